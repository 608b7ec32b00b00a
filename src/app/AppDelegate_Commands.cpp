// SPDX-License-Identifier: GPL-3.0-or-later
// Main window commands: the toolbar and menu wiring, the toolbar's enabled
// state while a preview is prepared, the window's size floor and the web pages.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/WebPages.h"
#include "app/Window_About.h"
#include "app/core/AboutText.h"
#include "app/engine/ProgramVersions.h"
#include "filelist/core/ColumnSort.h"
#include "appearance/ColorsIcon.h"
#include "platform/Desktop.h"
#include "ui_MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QStyle>

namespace quavero {

namespace {
// Toolbar icons from the desktop's icon theme where it has them, else from
// the widget style, so that every item has one on any desktop.
void setToolbarIcons(Ui::MainWindow *ui, const QStyle *style)
{
    const struct {
        QAction *item;
        const char *themeName;
        QStyle::StandardPixmap fallback;
    } icons[] = {
        {ui->toolbarItemAdd, "list-add", QStyle::SP_FileIcon},
        {ui->toolbarItemFolder, "folder-open", QStyle::SP_DirOpenIcon},
        {ui->toolbarItemRemove, "list-remove", QStyle::SP_DialogDiscardButton},
        {ui->toolbarItemClear, "edit-clear-all", QStyle::SP_DialogResetButton},
        {ui->toolbarItemConvert, "document-save-as", QStyle::SP_DialogSaveButton},
        {ui->toolbarItemPlay, "media-playback-start", QStyle::SP_MediaPlay},
        {ui->toolbarItemPause, "media-playback-pause", QStyle::SP_MediaPause},
        {ui->toolbarItemStop, "media-playback-stop", QStyle::SP_MediaStop},
    };
    for (const auto &icon : icons)
        icon.item->setIcon(QIcon::fromTheme(QLatin1String(icon.themeName), style->standardIcon(icon.fallback)));
    ui->toolbarItemColors->setIcon(appearanceicons::colorsIcon());
    // The menu's playback items show the same pictures as the toolbar's.
    ui->menuItemPlay->setIcon(ui->toolbarItemPlay->icon());
    ui->menuItemPause->setIcon(ui->toolbarItemPause->icon());
    ui->menuItemStop->setIcon(ui->toolbarItemStop->icon());
}
} // namespace

QSizeF AppDelegate::windowWillResize(const QSizeF &proposed)
{
    return QSizeF(qMax(proposed.width(), 800.0), qMax(proposed.height(), 340.0));
}

void AppDelegate::setUpCommands()
{
    Ui::MainWindow *ui = window->ui();
    setToolbarIcons(ui, window->style());
    auto wire = [this](QAction *action, void (AppDelegate::*operation)()) {
        connect(action, &QAction::triggered, this, operation);
    };
    wire(ui->toolbarItemAdd, &AppDelegate::OnUserToolbarAddVideos);
    wire(ui->toolbarItemFolder, &AppDelegate::OnUserToolbarAddFolder);
    wire(ui->toolbarItemRemove, &AppDelegate::OnUserToolbarRemove);
    wire(ui->toolbarItemClear, &AppDelegate::OnUserToolbarClear);
    wire(ui->toolbarItemConvert, &AppDelegate::OnUserToolbarConvert);
    wire(ui->toolbarItemPlay, &AppDelegate::OnUserToolbarPlay);
    wire(ui->toolbarItemPause, &AppDelegate::OnUserToolbarPause);
    wire(ui->toolbarItemStop, &AppDelegate::OnUserToolbarStop);
    wire(ui->toolbarItemColors, &AppDelegate::OnUserToolbarColors);
    wire(ui->menuItemAddVideos, &AppDelegate::OnMenuAddVideos);
    wire(ui->menuItemAddFolder, &AppDelegate::OnMenuAddFolder);
    wire(ui->menuItemAddFolderAndSubfolders, &AppDelegate::OnMenuAddFolderAndSubfolders);
    wire(ui->menuItemRemoveVideos, &AppDelegate::OnMenuRemoveVideos);
    wire(ui->menuItemRemoveAllVideos, &AppDelegate::OnMenuRemoveAllVideos);
    wire(ui->menuItemPlay, &AppDelegate::OnMenuPlayVideo);
    wire(ui->menuItemPause, &AppDelegate::OnMenuPause);
    wire(ui->menuItemStop, &AppDelegate::OnMenuStop);
    wire(ui->menuItemConvert, &AppDelegate::OnMenuConvert);
    wire(ui->menuItemSaveJobList, &AppDelegate::OnMenuSaveJobList);
    wire(ui->menuItemQuit, &AppDelegate::OnMenuQuit);
    wire(ui->menuItemAppHomePage, &AppDelegate::OnMenuAppHomePage);
    wire(ui->menuItemCompanyHomePage, &AppDelegate::OnMenuCompanyHomePage);
    wire(ui->menuItemPrivacyPolicy, &AppDelegate::OnMenuPrivacyPolicy);
    wire(ui->menuItemSupportTicket, &AppDelegate::OnMenuSupportTicket);
    wire(ui->menuItemAbout, &AppDelegate::OnMenuAbout);
    wire(ui->menuItemPlayPause, &AppDelegate::OnMenuPlayPause);
    wire(ui->menuItemFormatOptions, &AppDelegate::OnUserFormatOptions);
    wire(ui->menuItemColors, &AppDelegate::OnUserToolbarColors);
    const std::pair<QAction *, int> sortItems[] = {{ui->menuItemSortByName, filelist::NameColumn},
                                                   {ui->menuItemSortByFormat, filelist::ExtensionColumn},
                                                   {ui->menuItemSortBySize, filelist::SizeColumn},
                                                   {ui->menuItemSortByDuration, filelist::DurationColumn}};
    for (const auto &[item, column] : sortItems)
        connect(item, &QAction::triggered, this, [this, column = column] { sortDescriptorsDidChange(column); });

    // Space plays and pauses while the table has the focus only: elsewhere it
    // keeps its own meaning (pressing a button, opening the format list).
    tableviewVideoFiles->addAction(ui->menuItemPlayPause);
    // Enter on the keypad converts as Return does.
    ui->menuItemConvert->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});

    // Tab goes table, format box, Options…, table; the arrow keys move
    // between the table's rows.
    tableviewVideoFiles->setTabKeyNavigation(false);
    QWidget::setTabOrder(tableviewVideoFiles, comboboxOutputFormat);
    QWidget::setTabOrder(comboboxOutputFormat, buttonFormatOptions);
}

void AppDelegate::EnableToolbar(bool enabled)
{
    for (QAction *item : {toolbarItemAdd.data(), toolbarItemFolder.data(), toolbarItemRemove.data(),
                          toolbarItemClear.data(), toolbarItemConvert.data()})
        if (item)
            item->setEnabled(enabled);
}

void AppDelegate::TimerReEnableToolbarRoutine() { EnableToolbar(true); }

void AppDelegate::OnMenuAddVideos() { OnUserToolbarAddVideos(); }
void AppDelegate::OnMenuAddFolder() { OnUserToolbarAddFolder(); }
void AppDelegate::OnMenuRemoveVideos() { OnUserToolbarRemove(); }
void AppDelegate::OnMenuRemoveAllVideos() { OnUserToolbarClear(); }
void AppDelegate::OnMenuPlayVideo() { OnUserToolbarPlay(); }
void AppDelegate::OnMenuPause() { Audio_Pause(); }
void AppDelegate::OnMenuStop() { Audio_Stop(); }
void AppDelegate::OnMenuConvert() { OnUserToolbarConvert(); }
void AppDelegate::OnMenuQuit() { Terminate_App(); }

void AppDelegate::OnMenuAppHomePage() { m_services.desktop->openUrl(webpages::productPage()); }
void AppDelegate::OnMenuCompanyHomePage() { m_services.desktop->openUrl(webpages::homePage()); }
void AppDelegate::OnMenuPrivacyPolicy() { m_services.desktop->openUrl(webpages::privacyNote()); }
void AppDelegate::OnMenuSupportTicket() { m_services.desktop->openUrl(webpages::issueTracker()); }

void AppDelegate::OnMenuAbout()
{
    if (windowAbout) {
        windowAbout->raise();
        windowAbout->activateWindow();
        return;
    }
    windowAbout =
        new Window_About(QCoreApplication::applicationVersion().isEmpty() ? QStringLiteral(QUAVERO_VERSION)
                                                                          : QCoreApplication::applicationVersion(),
                         about::licence(), window);
    windowAbout->setAttribute(Qt::WA_DeleteOnClose);
    windowAbout->setWindowModality(Qt::WindowModal);
    windowAbout->open();
    // The programs answer in a moment; the dialog does not wait for them.
    const QString ffmpeg = sffmpegPath, sox = sSoxPath;
    auto *asking = new QFutureWatcher<QStringList>(windowAbout);
    connect(asking, &QFutureWatcher<QStringList>::finished, windowAbout, [about = windowAbout, asking] {
        const QStringList lines = asking->result();
        about->showPrograms(lines.value(0), lines.value(1));
    });
    asking->setFuture(QtConcurrent::run([ffmpeg, sox] {
        const FoundProgram foundFfmpeg = programversions::ffmpeg(ffmpeg);
        const FoundProgram foundSox = programversions::sox(sox);
        return QStringList{
            about::programLine(QStringLiteral("ffmpeg"), foundFfmpeg, about::ffmpegVersion(foundFfmpeg.versionOutput)),
            about::programLine(QStringLiteral("sox"), foundSox, about::soxVersion(foundSox.versionOutput))};
    }));
}

} // namespace quavero
