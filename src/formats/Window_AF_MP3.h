#pragma once
// Options of the .MP3 output: variable bitrate steered by a quality step or
// constant bitrate, channels, sample rate and volume.
#include "formats/FormatOptionsDialog.h"

class Window_AF_MP3 : public FormatOptionsDialog {
    Q_OBJECT
public:
    explicit Window_AF_MP3(AppDelegate &app, QWidget *parent = nullptr);
};
