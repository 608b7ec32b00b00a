// SPDX-License-Identifier: GPL-3.0-or-later
// The Convert command and the end of a run: the checks before the folder
// chooser, the run and its window, the alert that reports the run, the
// desktop notification, and the Preferences dialog of the run settings.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/PreferenceKeys.h"
#include "common/core/StartFolder.h"
#include "convert/Window_Convert.h"
#include "convert/Window_Preferences.h"
#include "convert/core/RunNotice.h"
#include "convert/core/RunReport.h"
#include "convert/core/RunPlanner.h"
#include "convert/core/RunSettings.h"
#include "convert/engine/ConversionRun.h"
#include "convert/engine/ProgramCheck.h"
#include "convert/engine/RunDetails.h"
#include "formats/core/ChoiceLimits.h"
#include "loudness/engine/RunGains.h"
#include "mirror/engine/DestinationRecord.h"
#include "mirror/engine/OutputLedger.h"
#include "naming/core/TemplateExample.h"
#include "naming/engine/EntryNames.h"
#include "filelist/SelectedRows.h"
#include "platform/Desktop.h"
#include "platform/Notifications.h"
#include "platform/Prompts.h"
#include "platform/core/FileSystem.h"
#include "platform/core/Preferences.h"

#include <QAction>
#include <QFileInfo>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeySequence>
#include <QTableView>
#include <QThread>
#include <algorithm>

namespace quavero {

void AppDelegate::setUpConvert()
{
    // The main window's layout holds the menu item.
    QAction *preferences = window->findChild<QAction *>(QStringLiteral("menuItemPreferences"));
    if (!preferences)
        return;
    // The platform's own key where it has one (Linux desktops have none);
    // otherwise Ctrl+Shift+, as desktops bind "configure the application",
    // since Ctrl+, already opens the output format's options.
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Preferences);
    if (keys.isEmpty())
        keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Comma);
    preferences->setShortcuts(keys);
    connect(preferences, &QAction::triggered, this, &AppDelegate::OnMenuPreferences);
}

void AppDelegate::OnUserToolbarConvert()
{
    // One run at a time: the destination of the run in progress never changes.
    if (isConverting() || !listCanBePlanned())
        return;
    IPrompts &prompts = *m_services.prompts;
    const MissingProgram missing = programs::firstMissing(m_i_Output_Format, records, sffmpegPath, sSoxPath);
    if (!missing.name.isEmpty()) {
        prompts.alert(programs::missingMessage(missing), programs::missingInformative(missing), {tr("Close")});
        return;
    }

    s_Folder_Target.clear();
    // The chooser opens where the last run saved, else in the music folder.
    const QString folder = prompts.chooseDestinationFolder(
        tr("Select an output folder to save the converted audio files."), destinationStartFolder());
    if (folder.isEmpty())
        return;
    s_Folder_Target = folder;
    m_services.preferences->setString(prefkeys::kLastDestination, folder);
    const SettingsSnapshot settings = conversionSettings();
    DestinationRecord record(folder, settings, true);
    RunSetup setup = conversionSetup(settings, record);
    std::shared_ptr<RunGains> gains = RunGains::forPlan(setup.plan, record.ledger());
    auto *run = new ConversionRun(std::move(setup),
                                  runjobs::forPlans(ProgramPaths{sffmpegPath, sSoxPath}, record.ledger(), gains));
    conversionRun = run;
    windowConvert = new Window_Convert(
        run, [this] { Close_Window_Convert(); }, window.data());
    windowConvert->open();
}

QString AppDelegate::destinationStartFolder() const
{
    return startfolder::pick(m_services.preferences->string(prefkeys::kLastDestination), fs::musicFolder(),
                             QDir::homePath(), fs::isFolder);
}

bool AppDelegate::listCanBePlanned()
{
    IPrompts &prompts = *m_services.prompts;
    if (arrayVideoFiles.isEmpty()) {
        prompts.alert(tr("There are no audio files on the list."),
                      tr("There are no audio files on the list. Add audio files to convert."), {tr("Close")});
        return false;
    }
    // Refused before anything runs: the encoder would fail every file.
    const QString refused = formats::refusedChoice(m_i_Output_Format, records);
    if (!refused.isEmpty()) {
        const QString name = formats::at(m_i_Output_Format)->recordName;
        prompts.alert(tr("%1 cannot be written with these options.").arg(name),
                      refused + QLatin1Char(' ') + tr("Choose another in the %1 options, then convert again.").arg(name),
                      {tr("Close")});
        return false;
    }
    return true;
}

RunPlan AppDelegate::planOfList(const SettingsSnapshot &settings, DestinationRecord &record) const
{
    QList<PlanInput> inputs = runplan::inputsFrom(arrayVideoFiles.snapshot());
    if (!settings.nameTemplate.isEmpty())
        naming::readTags(inputs);
    return record.plan(settings, inputs, QCoreApplication::applicationPid());
}

SettingsSnapshot AppDelegate::conversionSettings() const
{
    const IPreferences &prefs = *m_services.preferences;
    // The run converts with the settings as they are now: a dialog changed
    // while it goes on reaches no entry of it.
    SettingsSnapshot snapshot;
    snapshot.formatIndex = m_i_Output_Format;
    snapshot.records = records;
    // Entries added with their subfolders keep them below the destination; no
    // output of the run replaces another.
    snapshot.keepStructure = true;
    snapshot.update = runsettings::flagFromStored(prefs.string(prefkeys::kSkipUpToDate));
    snapshot.deleteOrphans = runsettings::flagFromStored(prefs.string(prefkeys::kDeleteOrphans));
    snapshot.copySameFormat = runsettings::flagFromStored(prefs.string(prefkeys::kCopySameFormat));
    snapshot.loudness =
        loudness::fromStored(prefs.string(prefkeys::kLoudnessTags), prefs.string(prefkeys::kNormalizeLoudness));
    snapshot.nameTemplate = prefs.string(prefkeys::kNameTemplate);
    return snapshot;
}

RunSetup AppDelegate::conversionSetup(const SettingsSnapshot &snapshot, DestinationRecord &record)
{
    const IPreferences &prefs = *m_services.preferences;
    const RunSettings settings = runsettings::fromStored(
        prefs.string(prefkeys::kFilesAtOnce), prefs.string(prefkeys::kPauseBetweenFiles), QThread::idealThreadCount());
    RunSetup setup;
    setup.plan = planOfList(snapshot, record);
    if (!record.problem().isEmpty())
        setup.plan.warnings.prepend(record.problem());
    record.ledger()->noteBeforeRun(setup.plan);
    setup.pacing.firstDelayMs = m_services.timings.firstStepMs;
    setup.pacing.pauseMs = settings.pauseBetweenFiles ? m_services.timings.betweenFilesMs : 0;
    setup.pacing.filesAtOnce = settings.filesAtOnce;
    // Files added to the list while the run goes on are inputs too: no
    // output of the run may replace one of them.
    QPointer<AppDelegate> self(this);
    setup.otherInputs = [self] {
        QStringList paths;
        if (self)
            for (const NodeVideoFile &entry : self->arrayVideoFiles.snapshot())
                paths << entry.s_File_Path();
        return paths;
    };
    return setup;
}

void AppDelegate::Close_Window_Convert()
{
    Window_Convert *sheet = windowConvert;
    if (!sheet)
        return;
    const ConversionRun *run = sheet->run();
    const bool cancelled = run->b_Cancel;
    const RunOutcome outcome = rundetails::outcome(*run, [](const QString &path) { return QFileInfo(path).fileName(); });
    const QString destination = run->destinationFolder();
    // Asked before the sheet goes: its hiding moves the activation about.
    const bool userAway = !mainWindowActive();
    windowConvert = nullptr;

    if (cancelled) {
        // No alert; the run has ended once the entries converting at Cancel are done.
        connect(sheet, &Window_Convert::released, this, &AppDelegate::conversionFinished);
        sheet->release();
        return;
    }
    sheet->release();

    // A user away from the window learns that the run has ended.
    if (m_services.notifier && userAway) {
        const RunNotice notice =
            runnotice::forRun(outcome.count(EntryFate::Converted), int(outcome::unconverted(outcome).size()));
        m_services.notifier->notify(notice.summary, notice.body);
    }
    const RunAlert alert = runreport::endOfRun(outcome);
    const bool worry = !outcome::unconverted(outcome).isEmpty() || !outcome::warnings(outcome).isEmpty();
    const int pressed = m_services.prompts->alertWithDetails(alert.message, alert.informative, alert.details, alert.buttons,
                                                             worry ? AlertKind::Warning : AlertKind::Information);
    if (alert.openFolderButton >= 0 && pressed == alert.openFolderButton)
        m_services.desktop->openFolder(destination);
    emit conversionFinished();
}

void AppDelegate::stopConversion()
{
    if (conversionRun)
        conversionRun->stop();
}

bool AppDelegate::mainWindowActive() const
{
    for (QWidget *active = QApplication::activeWindow(); active;
         active = active->parentWidget() ? active->parentWidget()->window() : nullptr) {
        if (active == window.data())
            return true;
    }
    return false;
}

void AppDelegate::OnMenuPreferences()
{
    if (windowPreferences) {
        windowPreferences->raise();
        windowPreferences->activateWindow();
        return;
    }
    // The name example is drawn from the first selected file, else from a sample track.
    naming::NameFields example = naming::sampleFields();
    const QList<int> rows = selectedRows(tableviewVideoFiles);
    if (!rows.isEmpty()) {
        const NodeVideoFile entry = arrayVideoFiles.at(rows.first());
        example = naming::fieldsFrom(naming::tagsOfEntry(entry), entry.s_File_Name_Without_Extension(),
                                     entry.s_Relative_Folder());
    }
    const OutputFormat *format = formats::at(m_i_Output_Format);
    windowPreferences = new Window_Preferences(m_services.preferences, QThread::idealThreadCount(), example,
                                               format ? format->extension : QString(), window.data());
    windowPreferences->setAttribute(Qt::WA_DeleteOnClose);
    windowPreferences->open();
}

} // namespace quavero
