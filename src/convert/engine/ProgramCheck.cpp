// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/ProgramCheck.h"

#include "convert/core/EncoderCommand.h"
#include "platform/core/ChildProcess.h"

#include <QCoreApplication>

namespace quavero {

namespace programs {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ProgramCheck)
};
} // namespace

bool canRun(const QString &programPath, const QString &versionOption)
{
    if (!child::canRun(programPath))
        return false;
    const JoinedRun run = child::runJoined(programPath, {versionOption});
    return run.started && !run.crashed && run.exitCode == 0;
}

MissingProgram firstMissing(qint64 formatIndex, const FormatRecords &records, const QString &ffmpegPath,
                            const QString &soxPath)
{
    // Both programs come in Debian packages of their own name.
    const auto missing = [](const QString &name, const QString &path) { return MissingProgram{name, path, name}; };
    if (!canRun(ffmpegPath, QStringLiteral("-version")))
        return missing(QStringLiteral("ffmpeg"), ffmpegPath);
    if (encoder::effectsFollow(formatIndex, records) && !canRun(soxPath, QStringLiteral("--version")))
        return missing(QStringLiteral("sox"), soxPath);
    return {};
}

QString missingMessage(const MissingProgram &missing)
{
    return Text::tr("The program \"%1\" cannot be run.").arg(missing.name);
}

QString missingInformative(const MissingProgram &missing)
{
    return Text::tr("Quavero needs \"%1\" to convert audio files to this format, but it could not start it "
                    "(tried \"%2\"). Install the Debian package \"%3\" (sudo apt install %3) and try again.")
        .arg(missing.name, missing.path, missing.debianPackage);
}
} // namespace programs

} // namespace quavero
