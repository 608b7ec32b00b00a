#pragma once
// Options of the .RAW output: sample format, sample rate and channels.
#include "formats/FormatOptionsDialog.h"

class Window_AF_RAW : public FormatOptionsDialog {
    Q_OBJECT
public:
    explicit Window_AF_RAW(AppDelegate &app, QWidget *parent = nullptr);
};
