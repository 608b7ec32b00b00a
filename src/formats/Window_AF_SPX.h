// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the .SPX output: one of three modes (quality preset, constant
// bitrate, variable bitrate), each with its own list.
#include "formats/FormatOptionsDialog.h"

namespace quavero {

class Window_AF_SPX : public FormatOptionsDialog {
    Q_OBJECT
public:
    Window_AF_SPX(FormatRecords &records, std::function<void()> onClose, QWidget *parent = nullptr);
};

} // namespace quavero
