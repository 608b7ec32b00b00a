#pragma once
// Options of the .AMR output: the bitrate.
#include "formats/FormatOptionsDialog.h"

class Window_AF_AMR : public FormatOptionsDialog {
    Q_OBJECT
public:
    explicit Window_AF_AMR(AppDelegate &app, QWidget *parent = nullptr);
};
