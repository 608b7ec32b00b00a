// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_MP3.h"

#include "ui_Window_AF_MP3.h"

namespace quavero {

Window_AF_MP3::Window_AF_MP3(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::MP3, records, std::move(onClose), parent)
{
    Ui::Window_AF_MP3 ui;
    ui.setupUi(this);
    // b_VBR: 1 = variable bitrate steered by the quality step, 0 = constant bitrate.
    bindMode("b_VBR", {{ui.radioVBR, 1, {ui.comboVBRQuality}}, {ui.radioCBR, 0, {ui.comboCBRBitrate}}}, 0);
    bindList(ui.comboVBRQuality, "i_VBR_Quality");
    bindList(ui.comboCBRBitrate, "i_CBR_Bitrate");
    bindList(ui.comboChannels, "i_Channels");
    bindList(ui.comboSampleRate, "i_SampleRate");
    bindList(ui.comboVolume, "i_Volume");
}

} // namespace quavero
