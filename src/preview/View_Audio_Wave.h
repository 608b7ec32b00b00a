#pragma once
// The waveform pane of the main window: the newest waveform picture stretched
// over the pane, or "No Audio Loaded" in red before any preview was loaded.
// It draws from the controller's state alone and keeps none of its own.
#include <QPointer>
#include <QWidget>

class AppDelegate;

class View_Audio_Wave : public QWidget {
    Q_OBJECT
public:
    explicit View_Audio_Wave(QWidget *parent = nullptr);
    // The controller whose preview state is drawn.
    void setController(AppDelegate *controller);

    // Where the lower-left corner of "No Audio Loaded" goes in a pane of the
    // given size, in widget coordinates (y grows downward): one twentieth of
    // the width from the left, one sixth of the height above the bottom.
    static QPoint placeholderCorner(const QSize &size);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<AppDelegate> m_controller;
};
