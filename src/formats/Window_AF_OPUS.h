// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the .OPUS output: bitrate, bitrate mode, what the encoder is
// tuned for, and channels. The encoder works at 48 kHz; no effects apply.
#include "formats/FormatOptionsDialog.h"

namespace quavero {

class Window_AF_OPUS : public FormatOptionsDialog {
    Q_OBJECT
public:
    Window_AF_OPUS(FormatRecords &records, std::function<void()> onClose, QWidget *parent = nullptr);
};

} // namespace quavero
