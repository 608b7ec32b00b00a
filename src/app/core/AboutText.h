// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What Help > About Quavero and `quavero-cli --version` say: the version, the
// licence, and the ffmpeg and sox that conversions run. Pure: the programs'
// own version output is read here, the programs are run elsewhere.
#include <QByteArray>
#include <QString>

namespace quavero {

// One program as it was found.
struct FoundProgram {
    QString path;     // where it was looked for ("ffmpeg" alone when not found anywhere)
    bool ran = false; // false: it could not be started
    QByteArray versionOutput;
};

namespace about {
// "5.1.9-0+deb12u1" of "ffmpeg version 5.1.9-0+deb12u1 Copyright …"; empty
// when the output does not say.
QString ffmpegVersion(const QByteArray &output);
// "14.4.2" of "sox:      SoX v14.4.2"; empty when the output does not say.
QString soxVersion(const QByteArray &output);
// "ffmpeg 5.1.9 (/usr/bin/ffmpeg)", or a plain-words line saying the program
// was not found or gave no version.
QString programLine(const QString &name, const FoundProgram &program, const QString &version);
// The licence line.
QString licence();
// The text of `quavero-cli --version`: the program and its version, the
// licence, then the ffmpeg and sox lines.
QString versionText(const QString &programName, const QString &version, const FoundProgram &ffmpeg,
                    const FoundProgram &sox);
} // namespace about

} // namespace quavero
