// The Convert command and the end of a run: the checks before the folder
// chooser, the run window, and the alert that reports the run.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "convert/Window_Convert.h"
#include "convert/core/RunReport.h"
#include "convert/engine/ProgramCheck.h"
#include "platform/Desktop.h"
#include "platform/Prompts.h"

void AppDelegate::setUpConvert() {}

void AppDelegate::OnUserToolbarConvert()
{
    // One run at a time: the destination of the run in progress never changes.
    if (isConverting())
        return;
    IPrompts &prompts = *m_services.prompts;
    if (arrayVideoFiles.isEmpty()) {
        prompts.alert(tr("There are no audio files on the list."),
                      tr("There are no audio files on the list. Add audio files to convert."),
                      {tr("Close")});
        return;
    }
    const MissingProgram missing = programs::firstMissing(m_i_Output_Format, records, sffmpegPath, sSoxPath);
    if (!missing.name.isEmpty()) {
        prompts.alert(programs::missingMessage(missing), programs::missingInformative(missing),
                      {tr("Close")});
        return;
    }

    s_Folder_Target.clear();
    const QString folder =
        prompts.chooseDestinationFolder(tr("Select an output folder to save the converted audio files."));
    if (folder.isEmpty())
        return;
    s_Folder_Target = folder;
    windowConvert = new Window_Convert(this, window.data());
    windowConvert->open();
}

void AppDelegate::Close_Window_Convert()
{
    Window_Convert *run = windowConvert;
    if (!run)
        return;
    const bool cancelled = run->b_Cancel;
    const int entryCount = run->entryCount();
    const QList<FailedEntry> failures = run->failures();
    const QList<ConvertedWithWarning> warnings = run->warnings();
    const QString destination = run->destinationFolder();
    windowConvert = nullptr;

    if (cancelled) {
        // No alert; the run has ended once the entry converting at Cancel is done.
        connect(run, &Window_Convert::released, this, &AppDelegate::conversionFinished);
        run->release();
        return;
    }
    run->release();

    const RunAlert alert = runreport::endOfRun(entryCount, failures, {}, warnings);
    const int pressed = m_services.prompts->alert(alert.message, alert.informative, alert.buttons,
                                                  failures.isEmpty() && warnings.isEmpty() ? AlertKind::Information : AlertKind::Warning);
    if (alert.openFolderButton >= 0 && pressed == alert.openFolderButton)
        m_services.desktop->openFolder(destination);
    emit conversionFinished();
}
