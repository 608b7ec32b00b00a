// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Converts one entry of the input list, asynchronously, on the thread that
// owns the job (the main loop of the GUI or of the command-line tool):
//
//  1. builds the ffmpeg command from the records as they are now
//     (encoder::build), and refuses, touching no file, an entry whose final
//     path or ffmpeg output path is an input file of the list;
//  2. creates the entry's subfolder below the destination when it is missing,
//     and deletes the old output at the ffmpeg output path (never an input);
//  3. runs ffmpeg with separate output and error pipes and standard input
//     /dev/null; every chunk of its error output goes through the progress
//     parser and gives progressChanged() (a percentage, or busy when the
//     entry's duration is unknown);
//  4. when ffmpeg has ended successfully and the effects stage follows, runs
//     sox (output and error joined) with the effect settings read from the
//     records at that moment; sox's text goes to the system log;
//  5. judges the entry: ffmpeg (and sox) started, did not crash, exited 0,
//     said nothing of a failed write ("No space left on device", "Error
//     writing trailer", sox's "error writing output file": both can exit 0
//     after one), ffmpeg's output file is as long as ffmpeg reported writing,
//     and the final file exists and is not empty. A failed entry leaves no
//     file at its final path and no intermediate file; its reason says in
//     plain words what went wrong (plainfailure), the result keeps the
//     commands and what they printed. An output shorter than the input (a
//     damaged input read only in part) is converted with a warning.
//     finished() is emitted exactly once per start(), always from the event
//     loop (never from inside start()).
//  6. copies the input's tags and pictures into the complete final file
//     (TagCopy, unless the request turns it off); what could not be copied
//     becomes a warning of a converted entry.
//
// Only a regular file (or a link to one) is opened as input: a FIFO would
// block ffmpeg for ever. Before sox writes the final path, whatever is there
// is removed (a link as a link, never followed); a folder in the way is never
// deleted, the entry fails instead. Entries converted at once never share an
// intermediate file: a name another running job writes gets the next number.
//
// stop() kills a running child at once, removes the partial outputs and
// emits finished() with ok false before it returns (for Ctrl-C). A caller
// that merely stops waiting (the run window's Cancel) lets the job complete.
//
// The job does not know the application controller: it takes the program
// paths, a pointer to the settings records (which must outlive the job) and,
// per start(), the entry, the folders and every input path of the list.
#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "convert/core/EncoderCommand.h"
#include "convert/core/EntryDetails.h"
#include "convert/core/ProgressParser.h"
#include "filelist/core/NodeVideoFile.h"
#include "formats/core/Records.h"

class QProcess;

namespace quavero {

class TagCopyTask;
struct PlainFailure;
struct FailureContext;
namespace outputcheck {
struct WriteProblem;
}

struct ConversionRequest {
    qint64 formatIndex = 0;    // 0..14, the output format
    NodeVideoFile entry;       // the file to convert (URL, base name, duration)
    QString destinationFolder; // where the final file goes (an absolute path)
    OutputName output;         // subfolder (created when missing) and base name; empty: the entry's own
    QString workFolder;        // where intermediate files for sox go
    QStringList inputPaths;    // every input file of the list: none is ever written
    bool copyTags = true;      // the input's tags and pictures go into the final file
};

struct ConversionResult {
    bool ok = false;
    QString reason;        // why it failed: a short text for the user; empty when ok
    QString finalPath;     // the file the entry was (or would have been) converted to
    QString rawMessage;    // the program's own words behind reason, for the details
    bool stopsRun = false; // no space left: every further entry would fail the same way
    // ffmpeg, then sox when it ran: the command lines and the end of their output.
    QList<ProgramOutput> programs;
    // What the user should read about an entry that was converted all the
    // same ("only 1.2 s of 5.0 s could be read…", "tags not copied: …").
    QStringList warnings;
};

} // namespace quavero

Q_DECLARE_METATYPE(quavero::ConversionResult)
Q_DECLARE_METATYPE(quavero::ProgressReading)

namespace quavero {

class ConversionJob : public QObject {
    Q_OBJECT
public:
    ConversionJob(const QString &ffmpegPath, const QString &soxPath, const FormatRecords *records,
                  QObject *parent = nullptr);
    // A job destroyed while running kills its child (without emitting finished).
    ~ConversionJob() override;

    // Starts converting one entry. Only one entry at a time: a start() while
    // running is ignored.
    void start(const ConversionRequest &request);
    // Kills the running child, removes the partial outputs, emits finished().
    void stop();
    // Stops every running job of the program, telling nobody (finished() is
    // not emitted): for a program that is about to end.
    static void stopAll();
    bool isRunning() const { return m_running; }
    // The command of the current (or last) entry.
    const EncoderCommand &command() const { return m_command; }

signals:
    void progressChanged(ProgressReading reading);
    void effectsStarted();
    void finished(ConversionResult result);

private:
    EncoderCommand commandFor(const ConversionRequest &request) const;
    void onFfmpegErrorData();
    PlainFailure ffmpegOutputProblem(const FailureContext &context, int exitCode) const;
    PlainFailure writeFailure(const FailureContext &context, int exitCode, const outputcheck::WriteProblem &write,
                              const QByteArray &output) const;
    void noteShortOutput();
    static QString folderInTheWay(const QString &path);
    void onFfmpegFinished(int exitCode, int exitStatus);
    void startEffects();
    void onSoxFinished(int exitCode, int exitStatus);
    void judgeFinalFile();
    // Ends the entry: on failure removes what this job wrote at the final path.
    void finish(bool ok, const QString &reason);
    void fail(const PlainFailure &failure);
    void finishLater(bool ok, const QString &reason);
    void dropProcesses();
    void copyTagsThenFinish();

    QString m_ffmpegPath;
    QString m_soxPath;
    const FormatRecords *m_records;

    ConversionRequest m_request;
    EncoderCommand m_command;
    QPointer<QProcess> m_ffmpeg;
    QPointer<QProcess> m_sox;
    TagCopyTask *m_tags;
    QStringList m_warnings;   // of the current entry, for its result
    QByteArray m_errorOutput; // ffmpeg's error output: its start and its end when it is long
    QByteArray m_soxOutput;
    QStringList m_soxArguments;
    QString m_rawMessage;
    bool m_stopsRun = false;
    bool m_running = false;
    bool m_outputsOwned = false; // the outputs passed the safety check: this job may delete them
    bool m_soxStarted = false;
    bool m_finalWritten = false; // ffmpeg or sox of this entry may have written the final path
    quint64 m_generation = 0;    // tells a queued finish of an earlier entry from the current one
};

} // namespace quavero
