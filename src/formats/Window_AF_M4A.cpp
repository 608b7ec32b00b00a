// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_M4A.h"

#include "ui_Window_AF_M4A.h"

namespace quavero {

Window_AF_M4A::Window_AF_M4A(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::M4A, records, std::move(onClose), parent)
{
    Ui::Window_AF_M4A ui;
    ui.setupUi(this);
    comboCodec = ui.comboCodec;
    comboBitrate = ui.comboBitrate;
    bindList(ui.comboCodec, "i_Codec");
    bindList(ui.comboSampleRate, "i_Sample_Rate");
    bindList(ui.comboChannels, "i_Channels");
    bindList(ui.comboBitrate, "i_Bitrate");
}

void Window_AF_M4A::applyEnableRules()
{
    // Position 1 of the codec list is "Apple Lossless", which has no bitrate.
    comboBitrate->setEnabled(comboCodec->currentIndex() != 1);
}

} // namespace quavero
