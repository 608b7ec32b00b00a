// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_WMA.h"

#include "ui_Window_AF_WMA.h"

namespace quavero {

Window_AF_WMA::Window_AF_WMA(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::WMA, records, std::move(onClose), parent)
{
    Ui::Window_AF_WMA ui;
    ui.setupUi(this);
    // i_WMA_Format: 0 = first encoder version, 1 = second; with no button on,
    // the second is stored. The two buttons enable nothing.
    bindMode("i_WMA_Format", {{ui.radioWMA1, 0, {}}, {ui.radioWMA2, 1, {}}}, 1);
    bindList(ui.comboSampleRate, "i_Samplerate");
    bindList(ui.comboChannels, "i_Channels");
}

} // namespace quavero
