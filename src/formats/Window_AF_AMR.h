// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the .AMR output: the bitrate.
#include "formats/FormatOptionsDialog.h"

namespace quavero {

class Window_AF_AMR : public FormatOptionsDialog {
    Q_OBJECT
public:
    Window_AF_AMR(FormatRecords &records, std::function<void()> onClose, QWidget *parent = nullptr);
};

} // namespace quavero
