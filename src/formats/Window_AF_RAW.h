// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the .RAW output: sample format, sample rate and channels.
#include "formats/FormatOptionsDialog.h"

namespace quavero {

class Window_AF_RAW : public FormatOptionsDialog {
    Q_OBJECT
public:
    Window_AF_RAW(FormatRecords &records, std::function<void()> onClose, QWidget *parent = nullptr);
};

} // namespace quavero
