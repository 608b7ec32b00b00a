// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_AU.h"

#include "ui_Window_AF_AU.h"

namespace quavero {

Window_AF_AU::Window_AF_AU(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::AU, records, std::move(onClose), parent)
{
    Ui::Window_AF_AU ui;
    ui.setupUi(this);
    bindList(ui.comboCodec, "i_Codec");
    bindList(ui.comboSampleRate, "i_Samplerate");
    bindList(ui.comboChannels, "i_Channels");
    bindEffects(ui.groupEffects);
}

} // namespace quavero
