// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user can read about an entry that failed or was saved under
// another name: the input, the reason, the commands that ran, quoted as
// --dry-run prints them, and the end of what the programs printed. The
// end-of-run alert shows it under "Show Details…", quavero-cli -v prints it.
// Pure.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace quavero {

// One program run of an entry.
struct ProgramOutput {
    QString commandLine;   // program and arguments quoted for a POSIX shell
    QStringList lastLines; // the last lines it printed, at most details::kLastLines
};

struct EntryDetails {
    QString inputPath;
    QString reason;     // why it failed; empty when it was converted
    QString rawMessage; // the program's own words behind the reason
    QString savedAs;    // the output's path when it got a numbered name; else empty
    QList<ProgramOutput> programs;
};

namespace details {
constexpr int kLastLines = 20;

// The last lines of a program's output as a terminal would show them: a line
// rewritten with carriage returns (ffmpeg's progress) counts once, as it
// ended; blank lines are left out.
QStringList lastLines(const QByteArray &output, int count = kLastLines);

// The entries one after the other, separated by a blank line.
QString text(const QList<EntryDetails> &entries);
} // namespace details

} // namespace quavero
