// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/engine/FileMeasure.h"

#include "loudness/core/FloatWav.h"
#include "loudness/engine/StreamMeter.h"
#include "platform/core/ChildProcess.h"

#include <QCoreApplication>
#include <QProcess>

namespace quavero {

namespace loudness {
namespace {
// A damaged file can make ffmpeg complain at every packet: its last words are kept.
constexpr qsizetype kKeptErrorBytes = 64 * 1024;
} // namespace

FileMeasure measureFile(const QString &ffmpeg, const QString &path)
{
    FileMeasure result;
    QProcess process;
    child::dieWithParent(process);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(ffmpeg, decodeArguments(path), QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        result.error = QCoreApplication::translate("Loudness", "ffmpeg could not be started to measure the "
                                                               "loudness; check that ffmpeg is installed");
        result.details = process.errorString().toUtf8();
        return result;
    }
    // The samples are measured as they come, a pipe's worth at a time.
    StreamMeter stream;
    process.setReadChannel(QProcess::StandardOutput);
    const auto keepErrors = [&] {
        result.details += process.readAllStandardError();
        if (result.details.size() > kKeptErrorBytes)
            result.details = result.details.right(kKeptErrorBytes);
    };
    while (process.bytesAvailable() > 0 || process.waitForReadyRead(-1)) {
        stream.add(process.readAllStandardOutput());
        keepErrors();
    }
    process.waitForFinished(-1);
    stream.add(process.readAllStandardOutput());
    keepErrors();

    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || stream.isInvalid()) {
        result.error = QCoreApplication::translate("Loudness", "the audio of %1 could not be decoded to measure "
                                                               "its loudness; see the details")
                           .arg(path);
        return result;
    }
    result.measurement = stream.measurement();
    result.meter = stream.takeMeter();
    return result;
}
} // namespace loudness

} // namespace quavero
