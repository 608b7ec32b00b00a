// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the .MP3 output: variable bitrate steered by a quality step or
// constant bitrate, channels, sample rate and volume.
#include "formats/FormatOptionsDialog.h"

namespace quavero {

class Window_AF_MP3 : public FormatOptionsDialog {
    Q_OBJECT
public:
    Window_AF_MP3(FormatRecords &records, std::function<void()> onClose, QWidget *parent = nullptr);
};

} // namespace quavero
