// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/AboutText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace quavero {

namespace about {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(About)
};

QString firstMatch(const QByteArray &output, const QRegularExpression &pattern)
{
    return pattern.match(QString::fromUtf8(output)).captured(1);
}
} // namespace

QString ffmpegVersion(const QByteArray &output)
{
    static const QRegularExpression pattern(QStringLiteral("^ffmpeg version (\\S+)"), QRegularExpression::MultilineOption);
    return firstMatch(output, pattern);
}

QString soxVersion(const QByteArray &output)
{
    static const QRegularExpression pattern(QStringLiteral("SoX v(\\S+)"));
    return firstMatch(output, pattern);
}

QString programLine(const QString &name, const FoundProgram &program, const QString &version)
{
    if (!program.ran)
        return Text::tr("%1: not found. Install %1 to convert files.").arg(name);
    if (version.isEmpty())
        return Text::tr("%1: %2 (it did not say its version)").arg(name, program.path);
    return Text::tr("%1 %2 (%3)").arg(name, version, program.path);
}

QString licence()
{
    return Text::tr("Licence: GNU General Public License, version 3 or any later version (GPL-3.0-or-later). "
                    "This program comes with no warranty.");
}

QString versionText(const QString &programName, const QString &version, const FoundProgram &ffmpeg, const FoundProgram &sox)
{
    return QStringList{programName + QLatin1Char(' ') + version, licence(),
                       programLine(QStringLiteral("ffmpeg"), ffmpeg, ffmpegVersion(ffmpeg.versionOutput)),
                       programLine(QStringLiteral("sox"), sox, soxVersion(sox.versionOutput))}
               .join(QLatin1Char('\n')) +
           QLatin1Char('\n');
}
} // namespace about

} // namespace quavero
