// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_FLAC.h"

#include "ui_Window_AF_FLAC.h"

namespace quavero {

Window_AF_FLAC::Window_AF_FLAC(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::FLAC, records, std::move(onClose), parent)
{
    Ui::Window_AF_FLAC ui;
    ui.setupUi(this);
    bindList(ui.comboCompression, "i_Compression_Level");
    bindList(ui.comboSampleRate, "i_Samplerate");
    bindList(ui.comboChannels, "i_Channels");
    bindEffects(ui.groupEffects);
}

} // namespace quavero
