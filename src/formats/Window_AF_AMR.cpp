// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_AMR.h"

#include "ui_Window_AF_AMR.h"

namespace quavero {

Window_AF_AMR::Window_AF_AMR(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::AMR, records, std::move(onClose), parent)
{
    Ui::Window_AF_AMR ui;
    ui.setupUi(this);
    bindList(ui.comboBitrate, "i_Bitrate");
}

} // namespace quavero
