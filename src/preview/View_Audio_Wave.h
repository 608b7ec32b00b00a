// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The waveform pane of the main window: the newest complete waveform picture
// stretched over the pane's background colour, or "No Audio Loaded" in red on
// it before any picture could be shown. It keeps the picture it shows until the next one has been
// read whole, so the pane never goes blank while a picture is being made,
// and a picture that could not be made leaves the last good one in place.
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

namespace quavero {

class View_Audio_Wave : public QWidget {
    Q_OBJECT
public:
    explicit View_Audio_Wave(QWidget *parent = nullptr);

    // Shows the picture file, the waveform of the audio file named shownFile,
    // if it can be read; otherwise what the pane shows stays. True when shown.
    bool showPicture(const QString &picturePath, const QString &shownFile);
    // The name of the file whose waveform is shown; empty before any.
    QString shownFile() const { return m_shownFile; }
    // The colour under the picture (black until set).
    void setBackground(const QColor &color);
    QColor background() const { return m_background; }

    // Where the lower-left corner of "No Audio Loaded" goes in a pane of the
    // given size, in widget coordinates (y grows downward): one twentieth of
    // the width from the left, one sixth of the height above the bottom.
    static QPoint placeholderCorner(const QSize &size);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QString m_shownFile;
    QColor m_background = Qt::black;
};

} // namespace quavero
