// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_CAF.h"

#include "ui_Window_AF_CAF.h"

namespace quavero {

Window_AF_CAF::Window_AF_CAF(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::CAF, records, std::move(onClose), parent)
{
    Ui::Window_AF_CAF ui;
    ui.setupUi(this);
    bindList(ui.comboSampleSize, "i_Sample_Size");
    bindList(ui.comboSampleRate, "i_Samplerate");
    bindList(ui.comboChannels, "i_Channels");
}

} // namespace quavero
