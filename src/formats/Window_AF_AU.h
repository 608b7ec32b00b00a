// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the .AU output: codec, sample rate, channels and the effects.
#include "formats/FormatOptionsDialog.h"

namespace quavero {

class Window_AF_AU : public FormatOptionsDialog {
    Q_OBJECT
public:
    Window_AF_AU(FormatRecords &records, std::function<void()> onClose, QWidget *parent = nullptr);
};

} // namespace quavero
