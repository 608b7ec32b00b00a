// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour well: a button showing a colour swatch that opens a colour chooser
// when pressed and takes the chosen colour.
#include <QColor>
#include <QPushButton>
#include <functional>

namespace quavero {

class ColorWell : public QPushButton {
    Q_OBJECT
public:
    // Asks the user for a colour, starting from the current one; an invalid
    // colour means the choice was cancelled.
    using Chooser = std::function<QColor(const QColor &current, const QString &title)>;

    explicit ColorWell(QWidget *parent = nullptr);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }
    QSize sizeHint() const override { return QSize(72, 28); }

signals:
    void colorChanged(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void choose();

    QColor m_color = Qt::black;
    Chooser m_chooser;
};

} // namespace quavero
