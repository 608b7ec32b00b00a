// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_SPX.h"

#include "ui_Window_AF_SPX.h"

namespace quavero {

Window_AF_SPX::Window_AF_SPX(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::SPX, records, std::move(onClose), parent)
{
    Ui::Window_AF_SPX ui;
    ui.setupUi(this);
    // i_Quality_VBR_CBR: 0 = quality preset, 1 = constant bitrate, 2 = variable
    // bitrate; with no button on, variable bitrate is stored.
    bindMode("i_Quality_VBR_CBR",
             {{ui.radioQuality, 0, {ui.comboQuality}},
              {ui.radioCBR, 1, {ui.comboCBRBitrate}},
              {ui.radioVBR, 2, {ui.comboVBRBitrate}}},
             2);
    bindList(ui.comboQuality, "i_Quality_Preset");
    bindList(ui.comboCBRBitrate, "i_CBR_Bitrate");
    bindList(ui.comboVBRBitrate, "i_VBR_Bitrate");
}

} // namespace quavero
