// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application controller: owns all application state and wires the main
// window's commands to the subsystems. Its operations are spread over one .cpp
// file per subsystem folder (AppDelegate_<Subsystem>.cpp), so each folder
// holds the code of its subsystem.
#include <QColor>
#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "app/Services.h"
#include "filelist/core/VideoFileList.h"
#include "formats/core/FormatTable.h"
#include "formats/core/Records.h"

class QAction;
class QDialog;
class QComboBox;
class QMenu;
class QPushButton;
class QTableView;

namespace quavero {

class MainWindow;
class View_Audio_Wave;
class Window_Progress;
class Window_Colors;
class Window_Convert;
class Window_Preferences;
class Window_About;
class ConversionRun;
class WindowPlacement;
struct RunSetup;
struct SettingsSnapshot;
struct RunPlan;
class DestinationRecord;
class FormatOptionsDialog;
class FileTableModel;
class AddWorker;
namespace filelist {
class ColumnSorter;
}
class ISound;
class JoinedChild;
class DarkWindow;

struct ColorSettings;

class AppDelegate : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(const Services &services, QObject *parent = nullptr);
    ~AppDelegate() override;

    const Services &services() const { return m_services; }

    // ---- application shell: start-up, preferences, end (app/AppDelegate.cpp) ----
    // Connects the controller to the main window built from its layout.
    void awakeFromNib(MainWindow *mainWindow);
    // Start-up; false when it stopped at the work-folder failure alert.
    bool applicationDidFinishLaunching();
    void RemoveAllContentInFolder(const QString &folder);
    // The work folder: the documents folder joined with "Quavero".
    static QString workFolderPath();
    bool applicationShouldTerminateAfterLastWindowClosed() const { return true; }
    void applicationWillTerminate();
    void windowWillClose();
    void Terminate_App();

    // ---- main window commands and toolbar state (app/AppDelegate_Commands.cpp) ----
    static QSizeF windowWillResize(const QSizeF &proposed);
    void EnableToolbar(bool enabled);
    void TimerReEnableToolbarRoutine();
    void OnMenuAddVideos();
    void OnMenuAddFolder();
    void OnMenuRemoveVideos();
    void OnMenuRemoveAllVideos();
    void OnMenuPlayVideo();
    void OnMenuPause();
    void OnMenuStop();
    void OnMenuConvert();
    void OnMenuQuit();
    void OnMenuAppHomePage();
    void OnMenuCompanyHomePage();
    void OnMenuPrivacyPolicy();
    void OnMenuSupportTicket();
    // Help > About Quavero: the version, the licence and the ffmpeg and sox found.
    void OnMenuAbout();

    // ---- input file list (filelist/AppDelegate_FileList.cpp) ----
    void OnUserToolbarAddVideos();
    void OnUserToolbarAddFolder();
    void OnMenuAddFolderAndSubfolders();
    // Adds files given on the command line as Add Files would, and folders
    // with all their subfolders, as Add Folder and Subfolders would.
    void addPaths(const QStringList &paths);
    // The same for dropped files and folders.
    void addDroppedPaths(const QStringList &paths);
    QString GetMediaFileDuration(const QString &path);
    static qint64 Return_Seconds_From_Duration_Str(const QString &duration);
    // Reloads the table; the selected entries stay selected wherever they moved.
    void refreshTableVideoFiles();
    void sortDescriptorsDidChange(int selectedColumn);
    void OnUserToolbarRemove();
    void OnUserToolbarClear();
    // True while an add worker is running.
    bool isAdding() const;
    // The list's context menu (filelist/AppDelegate_ListMenu.cpp), opened at
    // a point of the screen; Show in Folder shows the current selected file.
    void showListMenu(const QPoint &globalPosition);
    void OnMenuShowInFolder();

    // ---- output formats (formats/AppDelegate_Formats.cpp) ----
    void FillComboboxOutputFormats();
    void OnComboOutputFormat();
    void OnUserFormatOptions();
    // The options button and menu item: enabled for a format with options.
    void enableFormatOptions();
    void Close_Window_AIFF();
    void Close_Window_AMR();
    void Close_Window_AU();
    void Close_Window_CAF();
    void Close_Window_FLAC();
    void Close_Window_MP3();
    void Close_Window_OGG();
    void Close_Window_RAW();
    void Close_Window_SPX();
    void Close_Window_WAV();
    void Close_Window_WMA();
    void Close_Window_M4A();
    void Close_Window_OPUS();

    // ---- conversion (convert/AppDelegate_Convert.cpp) ----
    void OnUserToolbarConvert();
    void Close_Window_Convert();
    bool isConverting() const { return windowConvert != nullptr; }
    // Kills the entries of the newest run that still convert (also after
    // Cancel), removes their partial files and starts no more.
    void stopConversion();
    // Edit > Preferences: files at once and the pause between files.
    void OnMenuPreferences();
    // File > Save Job List…: the run planned for workers elsewhere (jobs/AppDelegate_JobList.cpp).
    void OnMenuSaveJobList();

    // ---- presets (presets/AppDelegate_Presets.cpp) ----
    // The Presets menu's list: the built-in presets, then the saved ones.
    void fillPresetsMenu();
    // Sets the output format, its options and the name template from the
    // preset of that name, and keeps them as an options dialog's OK would.
    void OnMenuChoosePreset(const QString &name);
    // Presets > Save as Preset…: the current settings under a name asked for.
    void OnMenuSavePreset();
    // Presets > Manage Presets…: rename and delete the saved presets.
    void OnMenuManagePresets();

    // ---- preview (preview/AppDelegate_Preview.cpp) ----
    void tableViewSelectionDidChange();
    void TimerHandleAudioTracksRoutine();
    void openFileWithFilePathURL(const QUrl &url);
    void OnUserToolbarPlay();
    void OnUserToolbarPause();
    void OnUserToolbarStop();
    void Audio_Pause();
    void Audio_Stop();
    void Update_UI_After_Audio_Operation();
    void Disable_Audio_Play();
    // The end of the sound: playback stops as after Stop.
    void soundDidReachEnd();
    // Space on the table: Pause while playing, else Play.
    void OnMenuPlayPause();
    void TimerHandleAudioPositionRoutine();
    int Create_Waveform(const QUrl &url);
    // Shows the waveform colours chosen now: the pane's background at once,
    // a wave of another colour by making the shown picture again
    // (preview/AppDelegate_Waveform.cpp).
    void redrawWaveform();

    // ---- appearance (appearance/AppDelegate_Colors.cpp) ----
    void OnUserToolbarColors();
    void OK_Window_Colors();
    void Cancel_Window_Colors();
    void TimerSetAlternatingRowsRoutine();
    // Loads the five appearance settings at start-up, writing defaults when missing.
    void loadAppearanceSettings();
    // The five settings as they are now: what the colours dialog opens with.
    ColorSettings colorSettings() const;
    // Text colour of every cell of the file table: the rule's colour, unless
    // it would vanish on the rows it stands on.
    QColor cellTextColor() const;
    // The table's background and alternating rows from the list settings, as
    // the colours dialog's OK applies them (start-up uses it too).
    void applyListAppearance();

    // ---- state (fields in the order of the controller's table) ----
    quint8 m_b_Col1_Ascenging = 1;
    quint8 m_b_Col2_Ascenging = 0;
    quint8 m_b_Col3_Ascenging = 0;
    quint8 m_b_Col4_Ascenging = 0;
    quint8 b_Audio_Loaded = 0;
    float i_Seconds_Position = 0;
    qint32 iCurrentSpectrumIndex = 0;
    QPointer<MainWindow> window;
    QString s_Output_Folder;
    VideoFileList arrayVideoFiles;
    QPointer<QTableView> tableviewVideoFiles;
    QPointer<QComboBox> comboboxOutputFormat;
    qint64 m_i_Output_Format = formats::kDefaultIndex;
    QPointer<QPushButton> buttonFormatOptions;
    QPointer<QAction> menuItemFormatOptions;
    QString s_Folder_Target;
    FormatRecords records;
    QPointer<QAction> toolbarItemPlay, toolbarItemPause, toolbarItemStop;
    QPointer<QAction> toolbarItemAdd, toolbarItemFolder, toolbarItemRemove, toolbarItemClear, toolbarItemConvert;
    QTimer timerReEnableToolbar;
    QPointer<QAction> menuItemPlay, menuItemPause, menuItemStop;
    QPointer<QAction> menuItemPlayPause;
    QString sffmpegPath;
    QString sSoxPath;
    qint64 i_PlayingStatus = 0;
    qint64 i_Audio_Duration_Seconds = 0;
    QTimer timerHandleAudioTracks;
    QTimer timerHandleAudioPosition;
    QString s_Audio_File;
    QUrl s_Audio_URL;
    // The part of s_Audio_File the selected entry is when it is a track of an image.
    ImageTrack m_Audio_Track;
    QString s_WAV_File;
    // The list entry (its path, with its range for a track: preview::sourceKey)
    // whose preview s_WAV_File is; empty while the selected entry has none ready.
    QString s_WAV_Source;
    std::unique_ptr<ISound> sound;
    QString sCurrentSpectrumFile;
    // The preview WAV whose waveform the pane shows (empty before any), and
    // the wave colour it was drawn in.
    QString s_Picture_WAV;
    QColor colorOfPicture;
    QPointer<View_Audio_Wave> viewAudioPlot;
    Window_Progress *windowUniqueProgress = nullptr;
    QColor colorBackground;
    QColor colorSpectrum;
    QColor colorTableBackground;
    QColor colorTableForeground;
    Window_Colors *windowColors = nullptr;
    qint64 b_List_Alternating_Rows = 1;
    QTimer timerSetAlternatingRows;
    FormatOptionsDialog *windowAIFF = nullptr, *windowAMR = nullptr, *windowAU = nullptr, *windowCAF = nullptr,
                        *windowFLAC = nullptr, *windowMP3 = nullptr, *windowOGG = nullptr, *windowRAW = nullptr,
                        *windowSPX = nullptr, *windowWAV = nullptr, *windowWMA = nullptr, *windowM4A = nullptr,
                        *windowOPUS = nullptr;
    Window_Convert *windowConvert = nullptr;
    // The newest run, until it has ended (after Cancel it outlives windowConvert).
    QPointer<ConversionRun> conversionRun;
    QPointer<Window_Preferences> windowPreferences;
    QPointer<QDialog> windowPresets;
    QPointer<QMenu> menuPresets;
    QPointer<Window_About> windowAbout;
    // The file list's context menu, from the main window's layout.
    QPointer<QMenu> listMenu;
    QPointer<QAction> menuItemShowInFolder;
    // The whole window dark while the desktop is (appearance/DarkWindow).
    std::unique_ptr<DarkWindow> darkWindow;
    // Brings back and keeps the main window's place, size and splitter.
    WindowPlacement *windowPlacement = nullptr;

    // ---- subsystem helpers (not part of the controller's table) ----
    FileTableModel *fileTableModel = nullptr;
    // The add worker and the adds asked for while it runs, started in turn.
    // Declared after arrayVideoFiles so that it stops before the list goes.
    std::shared_ptr<AddWorker> addWorker;
    QList<QList<NodeVideoFile>> pendingAdds;
    // "<file>: <reason>" for each file the adds left out (a FIFO, a name that
    // is not UTF-8), shown in one alert when the last add has ended.
    QStringList notAddedLines;
    // How many duration probes an add runs at once (0 means one per core), and
    // how many files one probe takes at most.
    int addProbeJobs = 0;
    int addProbeBatch = 64;
    // Sorts the list for header clicks, keeping what it learnt for the next.
    std::shared_ptr<filelist::ColumnSorter> columnSorter;
    // Fills in a new entry's duration and size on a worker thread; empty means
    // probing its file with ffmpeg at sffmpegPath. Tests may give a stand-in.
    std::function<NodeVideoFile(const NodeVideoFile &)> addEntryCompleter;
    // The running ffmpeg step of the preview preparation, and the number of the
    // newest preparation: a step of an older one that ends late is ignored.
    QPointer<JoinedChild> previewChild;
    quint64 previewGeneration = 0;
    // True while a reload selects again what was selected before it: the
    // selection is the same, so the preview is not prepared anew.
    bool restoringSelection = false;

signals:
    // Emitted when an add command has appended its last entry and reloaded the table.
    void addFinished();
    // Emitted when a preview preparation has ended (successfully or not).
    void previewPrepared(bool success);
    // Emitted when the shown waveform has been made again in a new colour.
    void waveformRedrawn();
    // Emitted after a conversion run has ended and its closing alert (if any) was answered.
    void conversionFinished();

private:
    // The steps of applicationDidFinishLaunching, in their order.
    void startWithDialogsClosed();
    // Creates the work folder on a first run (false, after the alert, when it
    // cannot be made) and empties it.
    bool prepareWorkFolder();
    void selectStoredOutputFormat();
    void startWithEmptyList();
    void findPrograms();
    void startWithoutPreview();
    void showMainWindow();
    // Subsystem set-up called from awakeFromNib, one per folder.
    void setUpFileList();
    void setUpFormats();
    void setUpConvert();
    void setUpPreview();
    void setUpAppearance();
    void setUpCommands();
    void setUpListMenu();
    void setUpPresets();
    // The run the Convert command starts: the list as it is now, the chosen
    // folder, the run settings as stored now (by value).
    SettingsSnapshot conversionSettings() const;
    RunSetup conversionSetup(const SettingsSnapshot &settings, DestinationRecord &record);
    // Where the output folder chooser opens: the last destination, else the music folder, else home.
    QString destinationStartFolder() const;
    // False, after an alert that says why, when the list cannot be planned.
    bool listCanBePlanned();
    // The plan of the list as it is now (tags read when names come from them).
    RunPlan planOfList(const SettingsSnapshot &settings, DestinationRecord &record) const;
    // True when the main window, or a sheet over it, is the active window.
    bool mainWindowActive() const;
    // Reloads the table, selecting again the entries that were selected, or nothing.
    void reloadTable(bool keepSelection);
    // The table's background colour from the list settings and the desktop's appearance.
    void applyListBackground();
    // Play/Pause is available while Play or Pause is.
    void enablePlayPause();

    Services m_services;
};

} // namespace quavero
