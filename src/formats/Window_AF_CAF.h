// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the .CAF output: sample size, sample rate and channels.
#include "formats/FormatOptionsDialog.h"

namespace quavero {

class Window_AF_CAF : public FormatOptionsDialog {
    Q_OBJECT
public:
    Window_AF_CAF(FormatRecords &records, std::function<void()> onClose, QWidget *parent = nullptr);
};

} // namespace quavero
