#include "convert/Window_Convert.h"

#include "app/AppDelegate.h"
#include "convert/engine/ConversionJob.h"
#include "ui_Window_Convert.h"

#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>

Window_Convert::Window_Convert(AppDelegate *app, QWidget *parent)
    : QDialog(parent), m_app(app), m_ui(std::make_unique<Ui::Window_Convert>())
{
    m_ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    progress = m_ui->progress;
    progressUnit = m_ui->progressUnit;
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &Window_Convert::OnUserCancel);

    timerConvertNext.setSingleShot(true);
    connect(&timerConvertNext, &QTimer::timeout, this, &Window_Convert::TimerConvertNextRoutine);

    m_job = new ConversionJob(m_app->sffmpegPath, m_app->sSoxPath, &m_app->records, this);
    connect(m_job, &ConversionJob::progressChanged, this, &Window_Convert::showReading);
    connect(m_job, &ConversionJob::finished, this, &Window_Convert::onEntryFinished);

    windowDidLoad();
}

Window_Convert::~Window_Convert() = default;

void Window_Convert::windowDidLoad()
{
    b_Cancel = false;
    sffmpegPath = m_app->sffmpegPath;
    // The run converts the entries that were on the list when it began, into
    // the folder chosen for it.
    m_entries = m_app->arrayVideoFiles.snapshot();
    m_destinationFolder = m_app->s_Folder_Target;
    progress->setRange(0, int(m_entries.size()));
    progress->setValue(0);
    progressUnit->setRange(0, 100);
    progressUnit->setValue(0);
    i_Current_File_Index = 0;
    timerConvertNext.stop();
    timerConvertNext.start(m_app->services().timings.firstStepMs);
}

bool Window_Convert::isConvertingEntry() const
{
    return m_job->isRunning();
}

QStringList Window_Convert::inputPaths() const
{
    QStringList paths;
    for (const NodeVideoFile &e : m_entries)
        paths << e.s_File_Path();
    for (const NodeVideoFile &e : m_app->arrayVideoFiles.snapshot())
        paths << e.s_File_Path();
    return paths;
}

void Window_Convert::TimerConvertNextRoutine()
{
    if (b_Cancel) {
        timerConvertNext.stop();
        progress->setValue(0);
        return;
    }
    if (i_Current_File_Index >= m_entries.size())
        return;
    const NodeVideoFile entry = m_entries.at(int(i_Current_File_Index));
    i_Orig_Duration_in_Seconds = entry.i_Duration_in_Seconds();
    progressUnit->setRange(0, 100);
    progressUnit->setValue(0);

    ConversionRequest request;
    request.formatIndex = m_app->m_i_Output_Format;
    request.entry = entry;
    request.destinationFolder = m_destinationFolder;
    request.workFolder = m_app->s_Output_Folder;
    request.inputPaths = inputPaths();
    m_job->start(request);
}

void Window_Convert::showReading(const ProgressReading &reading)
{
    if (reading.busy) {
        progressUnit->setRange(0, 0);
    } else {
        progressUnit->setRange(0, 100);
        progressUnit->setValue(reading.percent);
    }
}

void Window_Convert::onEntryFinished(const ConversionResult &result)
{
    const QString fileName = QFileInfo(m_entries.at(int(i_Current_File_Index)).s_File_Path()).fileName();
    if (!result.ok)
        m_failures.append({fileName, result.reason});
    for (const QString &warning : result.warnings)
        m_warnings.append({fileName, warning});
    ++i_Current_File_Index;
    progress->setValue(int(i_Current_File_Index));
    timerConvertNext.stop();

    if (b_Cancel) {
        // The sheet is already gone; this was the entry converting at Cancel.
        if (m_released)
            release();
        return;
    }
    if (i_Current_File_Index >= m_entries.size()) {
        progress->setValue(0);
        progressUnit->setRange(0, 100);
        progressUnit->setValue(0);
        m_app->Close_Window_Convert();
        return;
    }
    timerConvertNext.start(m_app->services().timings.betweenFilesMs);
}

void Window_Convert::OnUserCancel()
{
    if (b_Cancel)
        return;
    b_Cancel = true;
    m_app->Close_Window_Convert();
}

void Window_Convert::reject()
{
    OnUserCancel();
}

void Window_Convert::release()
{
    m_released = true;
    timerConvertNext.stop();
    hide();
    if (m_job->isRunning())
        return; // onEntryFinished comes back here when the entry is done
    emit released();
    deleteLater();
}
