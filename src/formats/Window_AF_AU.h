#pragma once
// Options of the .AU output: codec, sample rate, channels and the effects.
#include "formats/FormatOptionsDialog.h"

class Window_AF_AU : public FormatOptionsDialog {
    Q_OBJECT
public:
    explicit Window_AF_AU(AppDelegate &app, QWidget *parent = nullptr);
};
