#pragma once
// Options of the .WMA output: encoder version, sample rate and channels.
#include "formats/FormatOptionsDialog.h"

class Window_AF_WMA : public FormatOptionsDialog {
    Q_OBJECT
public:
    explicit Window_AF_WMA(AppDelegate &app, QWidget *parent = nullptr);
};
