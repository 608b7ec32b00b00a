// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/engine/BatchDurationProbe.h"

#include "filelist/core/DurationText.h"
#include "filelist/core/ReportParts.h"
#include "platform/core/WatchedRun.h"

#include <QFile>

#include <sys/stat.h>

namespace quavero {

namespace filelist {
namespace {
// True for a regular file (or a link to one); stat() never opens the file, so
// a FIFO cannot block here.
bool isRegularFile(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

QStringList inputArguments(const QStringList &paths)
{
    QStringList arguments;
    arguments.reserve(paths.size() * 2);
    for (const QString &path : paths)
        arguments << QStringLiteral("-i") << path;
    return arguments;
}

QString loneReport(const QString &ffmpeg, const QString &path, const BatchProbeOptions &options)
{
    const WatchedRun run = child::runWatched(ffmpeg, inputArguments({path}), options.stallMs, options.stop);
    return QString::fromUtf8(run.output);
}
} // namespace

QStringList probeReports(const QString &ffmpeg, const QStringList &paths, const BatchProbeOptions &options)
{
    QStringList texts;
    texts.reserve(paths.size());
    QList<int> waiting; // indices of the regular files still to probe
    for (int i = 0; i < paths.size(); ++i) {
        texts << QString();
        if (isRegularFile(paths[i]))
            waiting << i;
    }

    while (!waiting.isEmpty() && !(options.stop && options.stop())) {
        QStringList batch;
        for (int i : waiting)
            batch << paths[i];
        const WatchedRun run = child::runWatched(ffmpeg, inputArguments(batch), options.stallMs, options.stop);
        if (!run.started)
            break; // no ffmpeg to run: every text stays empty
        const QStringList parts = reportPartsByInput(QString::fromUtf8(run.output));
        // A process that did not end by itself may have been cut off in the
        // middle of its last part.
        const bool endedByItself = !run.killed && !run.crashed;
        const int complete = endedByItself ? int(parts.size()) : qMax(0, int(parts.size()) - 1);
        for (int k = 0; k < complete && k < waiting.size(); ++k)
            texts[waiting[k]] = parts[k];
        if (complete >= waiting.size())
            break;
        if (run.killed) {
            for (int k = complete; k < waiting.size() && !(options.stop && options.stop()); ++k)
                texts[waiting[k]] = loneReport(ffmpeg, paths[waiting[k]], options);
            break;
        }
        // The file after the last part is the one ffmpeg could not open. When
        // it was the first input, this report is already its lone report.
        const int failing = waiting[complete];
        texts[failing] = complete == 0 && endedByItself ? QString::fromUtf8(run.output)
                                                        : loneReport(ffmpeg, paths[failing], options);
        waiting = waiting.mid(complete + 1);
    }
    return texts;
}

QStringList probeDurationTexts(const QString &ffmpeg, const QStringList &paths, const BatchProbeOptions &options)
{
    QStringList texts = probeReports(ffmpeg, paths, options);
    for (QString &text : texts)
        text = durationTextFromReport(text);
    return texts;
}
} // namespace filelist

} // namespace quavero
