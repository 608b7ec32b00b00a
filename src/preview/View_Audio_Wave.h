#pragma once
// The waveform pane of the main window. (Being built.)
#include <QWidget>

class View_Audio_Wave : public QWidget {
    Q_OBJECT
public:
    explicit View_Audio_Wave(QWidget *parent = nullptr) : QWidget(parent) {}
};
