// SPDX-License-Identifier: GPL-3.0-or-later
// The colours dialog and how the list colours are applied to the file table.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/PreferenceKeys.h"
#include "appearance/AppearanceSettings.h"
#include "appearance/ColorSettings.h"
#include "appearance/ColorWell.h"
#include "appearance/DarkWindow.h"
#include "appearance/ListColors.h"
#include "appearance/TableRowBackground.h"
#include "appearance/Window_Colors.h"
#include "appearance/core/ListAppearance.h"
#include "platform/Appearance.h"
#include "platform/core/Preferences.h"

#include <QCheckBox>
#include <QTableView>

namespace quavero {

namespace {
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

void AppDelegate::setUpAppearance()
{
    new TableRowBackground(
        tableviewVideoFiles, [this] { return services().appearance->isDark(); }, this);
    if (!services().appearance)
        return;
    darkWindow = std::make_unique<DarkWindow>(*services().appearance);
    // The appearance is read once and kept; when the desktop changes it, the
    // whole window takes the new look, and the table is painted again with
    // the colours of the new one.
    services().appearance->addChangeHandler([this, table = QPointer<QTableView>(tableviewVideoFiles)] {
        if (darkWindow)
            darkWindow->apply();
        if (table)
            table->viewport()->update();
    });
}

void AppDelegate::OnUserToolbarColors()
{
    closeSheet(windowColors);
    const QPointer<AppDelegate> app(this);
    windowColors = new Window_Colors(
        colorSettings(), *services().prompts,
        [app] {
            if (app)
                app->OK_Window_Colors();
        },
        [app] {
            if (app)
                app->Cancel_Window_Colors();
        },
        window);
    windowColors->setWindowModality(Qt::WindowModal);
    windowColors->open();
}

void AppDelegate::OK_Window_Colors()
{
    if (!windowColors)
        return;
    const ColorSettings chosen = windowColors->chosen();
    b_List_Alternating_Rows = chosen.alternatingRows ? 1 : 0;
    colorBackground = chosen.background;
    colorSpectrum = chosen.spectrum;
    colorTableBackground = chosen.tableBackground;
    colorTableForeground = chosen.tableForeground;

    closeSheet(windowColors);

    IPreferences &preferences = *services().preferences;
    appearancesettings::storeAlternatingRows(preferences, b_List_Alternating_Rows);
    appearancesettings::storeColor(preferences, prefkeys::kColorBackground, colorBackground);
    appearancesettings::storeColor(preferences, prefkeys::kColorSpectrum, colorSpectrum);
    appearancesettings::storeColor(preferences, prefkeys::kColorTableBackground, colorTableBackground);
    appearancesettings::storeColor(preferences, prefkeys::kColorTableForeground, colorTableForeground);

    applyListBackground();
    refreshTableVideoFiles();
    redrawWaveform();

    // Restarting cancels a pending switch.
    timerSetAlternatingRows.start();
}

void AppDelegate::applyListBackground()
{
    if (!tableviewVideoFiles)
        return;
    const bool dark = services().appearance->isDark();
    QPalette palette = tableviewVideoFiles->palette();
    palette.setColor(QPalette::Base, listcolors::resolve(listappearance::tableBackground(b_List_Alternating_Rows, dark),
                                                         colorTableBackground));
    palette.setColor(QPalette::AlternateBase, listcolors::alternateRowBackground(dark));
    tableviewVideoFiles->setPalette(palette);
}

void AppDelegate::applyListAppearance()
{
    applyListBackground();
    TimerSetAlternatingRowsRoutine();
}

ColorSettings AppDelegate::colorSettings() const
{
    return {colorBackground, colorSpectrum, colorTableBackground, colorTableForeground, b_List_Alternating_Rows == 1};
}

void AppDelegate::loadAppearanceSettings()
{
    const appearancesettings::Loaded loaded = appearancesettings::load(*services().preferences);
    colorBackground = loaded.background;
    colorSpectrum = loaded.spectrum;
    b_List_Alternating_Rows = loaded.alternatingRows;
    colorTableBackground = loaded.tableBackground;
    colorTableForeground = loaded.tableForeground;
}

void AppDelegate::Cancel_Window_Colors() { closeSheet(windowColors); }

void AppDelegate::TimerSetAlternatingRowsRoutine()
{
    if (tableviewVideoFiles)
        tableviewVideoFiles->setAlternatingRowColors(listappearance::showsAlternatingRows(b_List_Alternating_Rows));
}

QColor AppDelegate::cellTextColor() const
{
    const bool dark = services().appearance && services().appearance->isDark();
    const QColor text = listcolors::resolve(listappearance::cellText(b_List_Alternating_Rows, dark), colorTableForeground);
    // The rows the text stands on, as the settings make them: the desktop's
    // while rows alternate (see TableRowBackground), else the list background.
    const QColor row =
        listappearance::showsAlternatingRows(b_List_Alternating_Rows)
            ? listcolors::rowBackground(dark)
            : listcolors::resolve(listappearance::tableBackground(b_List_Alternating_Rows, dark), colorTableBackground);
    return listcolors::legibleText(text, row);
}

} // namespace quavero
