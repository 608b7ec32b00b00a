// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_OPUS.h"

#include "ui_Window_AF_OPUS.h"

namespace quavero {

Window_AF_OPUS::Window_AF_OPUS(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::OPUS, records, std::move(onClose), parent)
{
    Ui::Window_AF_OPUS ui;
    ui.setupUi(this);
    bindList(ui.comboBitrate, "i_Bitrate");
    bindList(ui.comboMode, "i_Mode");
    bindList(ui.comboApplication, "i_Application");
    bindList(ui.comboChannels, "i_Channels");
}

} // namespace quavero
