// The colours dialog and how the list colours are applied to the file table.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/PreferenceKeys.h"
#include "appearance/AppearanceSettings.h"
#include "appearance/ColorWell.h"
#include "appearance/Window_Colors.h"
#include "appearance/core/ListAppearance.h"
#include "platform/Appearance.h"
#include "platform/core/Preferences.h"

#include <QCheckBox>
#include <QTableView>

namespace {
QColor resolve(listappearance::Source source, const QColor &listColor)
{
    switch (source) {
    case listappearance::Source::White:
        return QColor(Qt::white);
    case listappearance::Source::Black:
        return QColor(Qt::black);
    case listappearance::Source::ListColor:
        break;
    }
    return listColor;
}

// Every second row while rows alternate: a faint step away from the row
// background of the appearance, so that its text colour stays legible.
QColor alternateRowColor(bool dark)
{
    return dark ? QColor(0x26, 0x26, 0x28) : QColor(0xf0, 0xf2, 0xf5);
}

// Ends the dialog's sheet. The dialog is deleted once the button press that
// led here has been handled.
void closeSheet(Window_Colors *&dialog)
{
    if (!dialog)
        return;
    dialog->hide();
    dialog->deleteLater();
    dialog = nullptr;
}
} // namespace

// The appearance settings are read at start-up; nothing to wire before then.
void AppDelegate::setUpAppearance() {}

void AppDelegate::OnUserToolbarColors()
{
    closeSheet(windowColors);
    windowColors = new Window_Colors(this, window);
    windowColors->setWindowModality(Qt::WindowModal);
    windowColors->open();
}

void AppDelegate::OK_Window_Colors()
{
    if (!windowColors)
        return;
    b_List_Alternating_Rows = windowColors->check_Alternating_Rows->isChecked() ? 1 : 0;
    colorBackground = windowColors->colorSpectrumBackground->color();
    colorSpectrum = windowColors->colorSpectrumForeground->color();
    colorTableBackground = windowColors->colorListBackground->color();
    colorTableForeground = windowColors->colorListForeground->color();

    closeSheet(windowColors);

    IPreferences &preferences = *services().preferences;
    appearancesettings::storeAlternatingRows(preferences, b_List_Alternating_Rows);
    appearancesettings::storeColor(preferences, prefkeys::kColorBackground, colorBackground);
    appearancesettings::storeColor(preferences, prefkeys::kColorSpectrum, colorSpectrum);
    appearancesettings::storeColor(preferences, prefkeys::kColorTableBackground, colorTableBackground);
    appearancesettings::storeColor(preferences, prefkeys::kColorTableForeground, colorTableForeground);

    if (tableviewVideoFiles) {
        const bool dark = services().appearance->isDark();
        QPalette palette = tableviewVideoFiles->palette();
        palette.setColor(QPalette::Base,
                         resolve(listappearance::tableBackground(b_List_Alternating_Rows, dark), colorTableBackground));
        palette.setColor(QPalette::AlternateBase, alternateRowColor(dark));
        tableviewVideoFiles->setPalette(palette);
    }
    refreshTableVideoFiles();

    // Restarting cancels a pending switch.
    timerSetAlternatingRows.start();
}

void AppDelegate::Cancel_Window_Colors()
{
    closeSheet(windowColors);
}

void AppDelegate::TimerSetAlternatingRowsRoutine()
{
    if (tableviewVideoFiles)
        tableviewVideoFiles->setAlternatingRowColors(listappearance::showsAlternatingRows(b_List_Alternating_Rows));
}

QColor AppDelegate::cellTextColor() const
{
    const bool dark = services().appearance && services().appearance->isDark();
    return resolve(listappearance::cellText(b_List_Alternating_Rows, dark), colorTableForeground);
}
