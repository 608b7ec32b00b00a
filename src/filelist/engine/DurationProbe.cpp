#include "filelist/engine/DurationProbe.h"

#include "filelist/core/DurationText.h"
#include "platform/core/ChildProcess.h"

namespace filelist {
QString probeDurationText(const QString &ffmpeg, const QString &path)
{
    const JoinedRun run = child::runJoined(ffmpeg, {QStringLiteral("-i"), path});
    return durationTextFromReport(QString::fromUtf8(run.output));
}
} // namespace filelist
