// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_OGG.h"

#include "ui_Window_AF_OGG.h"

namespace quavero {

Window_AF_OGG::Window_AF_OGG(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::OGG, records, std::move(onClose), parent)
{
    Ui::Window_AF_OGG ui;
    ui.setupUi(this);
    radioVBR = ui.radioVBR;
    bindMode("b_VBR", {{ui.radioVBR, 1, {ui.comboVBRQuality}}, {ui.radioCBR, 0, {ui.comboCBRBitrate}}}, 0);
    bindList(ui.comboVBRQuality, "i_VBR_Quality");
    bindList(ui.comboCBRBitrate, "i_CBR_Bitrate");
    bindList(ui.comboChannels, "i_Channels");
    bindEffects(ui.groupEffects);
}

void Window_AF_OGG::applyEnableRules() { Enable_Sox_Options(radioVBR->isChecked()); }

} // namespace quavero
