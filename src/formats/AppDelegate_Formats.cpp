// SPDX-License-Identifier: GPL-3.0-or-later
// Output format selection: the format combo box, its stored copy, the options
// button, and opening and closing the format options dialogs.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/PreferenceKeys.h"
#include "formats/Window_AF_AIFF.h"
#include "formats/Window_AF_AMR.h"
#include "formats/Window_AF_AU.h"
#include "formats/Window_AF_CAF.h"
#include "formats/Window_AF_FLAC.h"
#include "formats/Window_AF_M4A.h"
#include "formats/Window_AF_MP3.h"
#include "formats/Window_AF_OGG.h"
#include "formats/Window_AF_OPUS.h"
#include "formats/Window_AF_RAW.h"
#include "formats/Window_AF_SPX.h"
#include "formats/Window_AF_WAV.h"
#include "formats/Window_AF_WMA.h"
#include "platform/core/Preferences.h"
#include "presets/engine/OptionStore.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

namespace quavero {

namespace {
// Each record's options dialog: the controller field that holds it while it
// is open, the controller operation that closes it, and how to make it.
struct DialogSlot {
    RecordKind record;
    FormatOptionsDialog *AppDelegate::*field;
    void (AppDelegate::*close)();
    FormatOptionsDialog *(*make)(FormatRecords &records, std::function<void()> onClose, QWidget *parent);
};

template <class Dialog>
FormatOptionsDialog *makeDialog(FormatRecords &records, std::function<void()> onClose, QWidget *parent)
{
    return new Dialog(records, std::move(onClose), parent);
}

const DialogSlot kDialogSlots[] = {
    {RecordKind::AIFF, &AppDelegate::windowAIFF, &AppDelegate::Close_Window_AIFF, &makeDialog<Window_AF_AIFF>},
    {RecordKind::AMR, &AppDelegate::windowAMR, &AppDelegate::Close_Window_AMR, &makeDialog<Window_AF_AMR>},
    {RecordKind::AU, &AppDelegate::windowAU, &AppDelegate::Close_Window_AU, &makeDialog<Window_AF_AU>},
    {RecordKind::CAF, &AppDelegate::windowCAF, &AppDelegate::Close_Window_CAF, &makeDialog<Window_AF_CAF>},
    {RecordKind::FLAC, &AppDelegate::windowFLAC, &AppDelegate::Close_Window_FLAC, &makeDialog<Window_AF_FLAC>},
    {RecordKind::MP3, &AppDelegate::windowMP3, &AppDelegate::Close_Window_MP3, &makeDialog<Window_AF_MP3>},
    {RecordKind::OGG, &AppDelegate::windowOGG, &AppDelegate::Close_Window_OGG, &makeDialog<Window_AF_OGG>},
    {RecordKind::RAW, &AppDelegate::windowRAW, &AppDelegate::Close_Window_RAW, &makeDialog<Window_AF_RAW>},
    {RecordKind::SPX, &AppDelegate::windowSPX, &AppDelegate::Close_Window_SPX, &makeDialog<Window_AF_SPX>},
    {RecordKind::WAV, &AppDelegate::windowWAV, &AppDelegate::Close_Window_WAV, &makeDialog<Window_AF_WAV>},
    {RecordKind::WMA, &AppDelegate::windowWMA, &AppDelegate::Close_Window_WMA, &makeDialog<Window_AF_WMA>},
    {RecordKind::M4A, &AppDelegate::windowM4A, &AppDelegate::Close_Window_M4A, &makeDialog<Window_AF_M4A>},
    {RecordKind::OPUS, &AppDelegate::windowOPUS, &AppDelegate::Close_Window_OPUS, &makeDialog<Window_AF_OPUS>},
};

const DialogSlot *slotFor(RecordKind record)
{
    for (const DialogSlot &slot : kDialogSlots)
        if (slot.record == record)
            return &slot;
    return nullptr;
}

// Ends the dialog's sheet and releases it. The dialog may be inside its own
// OK or Cancel handler, so it is deleted once control returns to the loop.
void endAndRelease(FormatOptionsDialog *&field)
{
    FormatOptionsDialog *dialog = field;
    field = nullptr;
    if (!dialog)
        return;
    dialog->endSheet();
    dialog->deleteLater();
}
} // namespace

void AppDelegate::setUpFormats()
{
    // Only a pick by the user runs the action: start-up selects the stored
    // format by code without storing it again or touching the button.
    connect(comboboxOutputFormat, &QComboBox::activated, this, &AppDelegate::OnComboOutputFormat);
    connect(buttonFormatOptions, &QPushButton::clicked, this, &AppDelegate::OnUserFormatOptions);
}

void AppDelegate::FillComboboxOutputFormats()
{
    for (const OutputFormat &format : formats::all())
        comboboxOutputFormat->addItem(format.item);
}

void AppDelegate::OnComboOutputFormat()
{
    m_i_Output_Format = comboboxOutputFormat->currentIndex();
    enableFormatOptions();
    m_services.preferences->setString(prefkeys::kOutputFormat, QString::number(m_i_Output_Format));
}

void AppDelegate::enableFormatOptions()
{
    const OutputFormat *format = formats::at(m_i_Output_Format);
    if (!format)
        return;
    const bool hasOptions = format->record != RecordKind::None;
    if (buttonFormatOptions)
        buttonFormatOptions->setEnabled(hasOptions);
    if (menuItemFormatOptions)
        menuItemFormatOptions->setEnabled(hasOptions);
}

void AppDelegate::OnUserFormatOptions()
{
    m_i_Output_Format = comboboxOutputFormat->currentIndex();
    const OutputFormat *format = formats::at(m_i_Output_Format);
    const DialogSlot *slot = format ? slotFor(format->record) : nullptr;
    if (!slot)
        return; // nothing selected, or .AC3, which has no options

    FormatOptionsDialog *&field = this->*(slot->field);
    endAndRelease(field);
    const auto close = slot->close;
    field = slot->make(
        records, [this, close] { (this->*close)(); }, window);
    // OK keeps the format's options for the next start; nothing is written at exit.
    field->setOnAccepted([this, record = slot->record] { optionstore::store(*m_services.preferences, record, records); });
    field->windowDidLoad();
    field->open(); // a sheet: blocks the main window only, returns at once
}

void AppDelegate::Close_Window_AIFF() { endAndRelease(windowAIFF); }
void AppDelegate::Close_Window_AMR() { endAndRelease(windowAMR); }
void AppDelegate::Close_Window_AU() { endAndRelease(windowAU); }
void AppDelegate::Close_Window_CAF() { endAndRelease(windowCAF); }
void AppDelegate::Close_Window_FLAC() { endAndRelease(windowFLAC); }
void AppDelegate::Close_Window_MP3() { endAndRelease(windowMP3); }
void AppDelegate::Close_Window_OGG() { endAndRelease(windowOGG); }
void AppDelegate::Close_Window_RAW() { endAndRelease(windowRAW); }
void AppDelegate::Close_Window_SPX() { endAndRelease(windowSPX); }
void AppDelegate::Close_Window_WAV() { endAndRelease(windowWAV); }
void AppDelegate::Close_Window_WMA() { endAndRelease(windowWMA); }
void AppDelegate::Close_Window_M4A() { endAndRelease(windowM4A); }
void AppDelegate::Close_Window_OPUS() { endAndRelease(windowOPUS); }

} // namespace quavero
