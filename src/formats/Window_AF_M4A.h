// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the .M4A output: sample rate, channels and bitrate.
#include "formats/FormatOptionsDialog.h"

namespace quavero {

class Window_AF_M4A : public FormatOptionsDialog {
    Q_OBJECT
public:
    Window_AF_M4A(FormatRecords &records, std::function<void()> onClose, QWidget *parent = nullptr);
};

} // namespace quavero
