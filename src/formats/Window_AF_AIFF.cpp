// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Window_AF_AIFF.h"

#include "ui_Window_AF_AIFF.h"

namespace quavero {

Window_AF_AIFF::Window_AF_AIFF(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
    : FormatOptionsDialog(RecordKind::AIFF, records, std::move(onClose), parent)
{
    Ui::Window_AF_AIFF ui;
    ui.setupUi(this);
    comboFormat = ui.comboFormat;
    bindList(ui.comboSampleRate, "i_Sample_Rate");
    bindList(ui.comboChannels, "i_Channels");
    bindList(ui.comboFormat, "i_Format");
    bindList(ui.comboBitrate, "i_Bitrate");
    bindEffects(ui.groupEffects);
}

void Window_AF_AIFF::applyEnableRules()
{
    // Position 2 of the format list is "Uncompressed".
    Enable_Sox_Options(comboFormat->currentIndex() == 2);
}

} // namespace quavero
