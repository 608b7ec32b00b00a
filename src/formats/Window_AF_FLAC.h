#pragma once
// Options of the .FLAC output: compression level, sample rate, channels and
// the effects.
#include "formats/FormatOptionsDialog.h"

class Window_AF_FLAC : public FormatOptionsDialog {
    Q_OBJECT
public:
    explicit Window_AF_FLAC(AppDelegate &app, QWidget *parent = nullptr);
};
