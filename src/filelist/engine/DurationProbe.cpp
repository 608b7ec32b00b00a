#include "filelist/engine/DurationProbe.h"

#include "filelist/core/DurationText.h"
#include "platform/core/ChildProcess.h"
#include "platform/core/FileSystem.h"

namespace filelist {
QString probeDurationText(const QString &ffmpeg, const QString &path)
{
    // ffmpeg opening a FIFO waits for a writer for ever (and ignores SIGTERM
    // meanwhile); a device may never end. Only regular files are probed.
    if (!fs::isRegularFile(path))
        return QString();
    const JoinedRun run = child::runJoined(ffmpeg, {QStringLiteral("-i"), path});
    return durationTextFromReport(QString::fromUtf8(run.output));
}
} // namespace filelist
