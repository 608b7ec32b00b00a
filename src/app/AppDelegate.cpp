// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/PreferenceKeys.h"
#include "app/SingleInstance.h"
#include "app/WindowPlacement.h"
#include "appearance/DarkWindow.h"
#include "convert/engine/ConversionJob.h"
#include "formats/core/StoredFormat.h"
#include "platform/Prompts.h"
#include "platform/Sound.h"
#include "platform/core/BundledPrograms.h"
#include "platform/core/FileSystem.h"
#include "platform/core/Preferences.h"
#include "platform/core/SystemLog.h"
#include "presets/engine/OptionStore.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QSignalBlocker>
#include <QTableView>

namespace quavero {

AppDelegate::AppDelegate(const Services &services, QObject *parent) : QObject(parent), m_services(services)
{
    timerReEnableToolbar.setSingleShot(true);
    timerReEnableToolbar.setInterval(200);
    connect(&timerReEnableToolbar, &QTimer::timeout, this, &AppDelegate::TimerReEnableToolbarRoutine);

    timerHandleAudioTracks.setSingleShot(true);
    timerHandleAudioTracks.setInterval(200);
    connect(&timerHandleAudioTracks, &QTimer::timeout, this, &AppDelegate::TimerHandleAudioTracksRoutine);

    timerHandleAudioPosition.setSingleShot(false);
    timerHandleAudioPosition.setInterval(1000);
    connect(&timerHandleAudioPosition, &QTimer::timeout, this, &AppDelegate::TimerHandleAudioPositionRoutine);

    timerSetAlternatingRows.setSingleShot(true);
    timerSetAlternatingRows.setInterval(100);
    connect(&timerSetAlternatingRows, &QTimer::timeout, this, &AppDelegate::TimerSetAlternatingRowsRoutine);

    // The controller is the application's delegate: any termination of the
    // application ends the process through Terminate_App.
    if (QCoreApplication *application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &AppDelegate::applicationWillTerminate);
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::awakeFromNib(MainWindow *mainWindow)
{
    window = mainWindow;
    Ui::MainWindow *ui = mainWindow->ui();
    tableviewVideoFiles = ui->tableviewVideoFiles;
    comboboxOutputFormat = ui->comboboxOutputFormat;
    buttonFormatOptions = ui->buttonFormatOptions;
    viewAudioPlot = ui->viewAudioPlot;
    toolbarItemAdd = ui->toolbarItemAdd;
    toolbarItemFolder = ui->toolbarItemFolder;
    toolbarItemRemove = ui->toolbarItemRemove;
    toolbarItemClear = ui->toolbarItemClear;
    toolbarItemConvert = ui->toolbarItemConvert;
    toolbarItemPlay = ui->toolbarItemPlay;
    toolbarItemPause = ui->toolbarItemPause;
    toolbarItemStop = ui->toolbarItemStop;
    menuItemPlay = ui->menuItemPlay;
    menuItemPause = ui->menuItemPause;
    menuItemStop = ui->menuItemStop;
    menuItemPlayPause = ui->menuItemPlayPause;
    menuItemFormatOptions = ui->menuItemFormatOptions;

    // The controller is the main window's delegate: its size floor and its close.
    mainWindow->setMinimumSize(windowWillResize(QSizeF(0, 0)).toSize());
    connect(mainWindow, &MainWindow::closing, this, &AppDelegate::windowWillClose);

    setUpFileList();
    setUpFormats();
    setUpConvert();
    setUpPreview();
    setUpAppearance();
    setUpCommands();
    setUpListMenu();
    setUpPresets();
}

bool AppDelegate::applicationDidFinishLaunching()
{
    startWithDialogsClosed();
    s_Output_Folder = workFolderPath();
    // The options OK stored in a dialog; start values for the rest.
    records = optionstore::load(*m_services.preferences, startRecords());
    if (!prepareWorkFolder())
        return false;
    FillComboboxOutputFormats();
    selectStoredOutputFormat();
    startWithEmptyList();
    findPrograms();
    startWithoutPreview();
    loadAppearanceSettings();
    // A dark desktop gets a dark window from its first showing on.
    if (darkWindow)
        darkWindow->apply();
    redrawWaveform();
    // The stored switch decides the table's look at once, by the same rules
    // as the colours dialog's OK: the layout's own setting does not count.
    applyListAppearance();
    showMainWindow();
    return true;
}

void AppDelegate::startWithDialogsClosed()
{
    windowUniqueProgress = nullptr;
    windowColors = nullptr;
    windowAIFF = windowAMR = windowAU = windowCAF = windowFLAC = windowMP3 = nullptr;
    windowOGG = windowRAW = windowSPX = windowWAV = windowWMA = windowM4A = windowOPUS = nullptr;
    windowConvert = nullptr;
}

bool AppDelegate::prepareWorkFolder()
{
    // A missing work folder is how a first run is recognised.
    if (!fs::exists(s_Output_Folder)) {
        if (!fs::createFolderWithParents(s_Output_Folder)) {
            // The alert's text is fixed; the log says which folder failed.
            syslogline::write(QStringLiteral("Cannot create the work folder %1: make sure the documents folder "
                                             "is a folder you can write to.")
                                  .arg(s_Output_Folder));
            m_services.prompts->alert(tr("Error"), tr("Error #0008. Application will exit."), {tr("Close")});
            Terminate_App();
            return false;
        }
        m_i_Output_Format = formats::kDefaultIndex;
        m_services.preferences->setString(prefkeys::kOutputFormat, QString::number(m_i_Output_Format));
    }
    RemoveAllContentInFolder(s_Output_Folder);
    return true;
}

void AppDelegate::selectStoredOutputFormat()
{
    m_i_Output_Format = formats::indexFromStored(m_services.preferences->string(prefkeys::kOutputFormat));
    if (comboboxOutputFormat) {
        const QSignalBlocker blocker(comboboxOutputFormat);
        comboboxOutputFormat->setCurrentIndex(int(m_i_Output_Format));
    }
    // The options button as a pick of this format leaves it: off for .AC3.
    enableFormatOptions();
}

void AppDelegate::startWithEmptyList()
{
    arrayVideoFiles.clear();
    m_b_Col1_Ascenging = 1;
    m_b_Col2_Ascenging = 0;
    m_b_Col3_Ascenging = 0;
    m_b_Col4_Ascenging = 0;
}

void AppDelegate::findPrograms()
{
    sSoxPath = bundled::programPath(QStringLiteral("sox"));
    sffmpegPath = bundled::programPath(QStringLiteral("ffmpeg"));
}

void AppDelegate::startWithoutPreview()
{
    s_Audio_File.clear();
    s_Audio_URL = QUrl();
    s_WAV_File.clear();
    sound.reset();
    i_Seconds_Position = 0;
    i_PlayingStatus = 0;
    i_Audio_Duration_Seconds = 0;
    Disable_Audio_Play();
    iCurrentSpectrumIndex = 0;
    b_Audio_Loaded = 0;
}

void AppDelegate::showMainWindow()
{
    if (!window)
        return;
    window->setWindowTitle(QStringLiteral("Quavero"));
    if (!windowPlacement)
        windowPlacement = new WindowPlacement(*window, window->ui()->splitter, *m_services.preferences, this);
    windowPlacement->restore();
    window->show();
    window->raise();
    window->activateWindow();
    windowPlacement->watch();
}

QString AppDelegate::workFolderPath() { return QDir::cleanPath(fs::documentsFolder() + QStringLiteral("/Quavero/")); }

void AppDelegate::RemoveAllContentInFolder(const QString &folder)
{
    // Only what lies inside the folder is deleted; links are removed as links.
    // A link standing in place of the folder is not emptied either: what it
    // points to lies outside.
    if (!fs::isFolder(folder))
        return;
    const QStringList entries = fs::walk(folder);
    for (const QString &relative : entries) {
        // The running window's lock stays: it keeps a second start from
        // emptying the folder under this one.
        if (relative == QLatin1String(SingleInstance::lockFileName()))
            continue;
        const QString path = folder + QLatin1Char('/') + relative;
        if (!fs::exists(path))
            continue; // inside a folder deleted before
        QString error;
        if (!fs::remove(path, &error))
            syslogline::write(QStringLiteral("oops: ") + error);
    }
}

void AppDelegate::applicationWillTerminate() { Terminate_App(); }

void AppDelegate::windowWillClose() { Terminate_App(); }

void AppDelegate::Terminate_App()
{
    if (windowPlacement)
        windowPlacement->storePending();
    // The children die with the process; what they were writing would be
    // left cut short in the destination. Finished entries stay.
    ConversionJob::stopAll();
    if (m_services.exitProcess)
        m_services.exitProcess(0);
}

} // namespace quavero
