// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_RAW.h"

#include "ui_Window_AF_RAW.h"

namespace quavero {

Window_AF_RAW::Window_AF_RAW(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::RAW, records, std::move(onClose), parent)
{
    Ui::Window_AF_RAW ui;
    ui.setupUi(this);
    bindList(ui.comboFormat, "i_Format");
    bindList(ui.comboSampleRate, "i_Samplerate");
    bindList(ui.comboChannels, "i_Channels");
}

} // namespace quavero
