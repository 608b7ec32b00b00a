// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_WAV.h"

#include "ui_Window_AF_WAV.h"

namespace quavero {

Window_AF_WAV::Window_AF_WAV(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::WAV, records, std::move(onClose), parent)
{
    Ui::Window_AF_WAV ui;
    ui.setupUi(this);
    bindList(ui.comboFormat, "i_Format");
    bindList(ui.comboSampleRate, "i_Samplerate");
    bindList(ui.comboChannels, "i_Channels");
    bindEffects(ui.groupEffects);
}

} // namespace quavero
