// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the .WMA output: encoder version, sample rate and channels.
#include "formats/FormatOptionsDialog.h"

namespace quavero {

class Window_AF_WMA : public FormatOptionsDialog {
    Q_OBJECT
public:
    Window_AF_WMA(FormatRecords &records, std::function<void()> onClose, QWidget *parent = nullptr);
};

} // namespace quavero
