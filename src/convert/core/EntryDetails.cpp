// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/EntryDetails.h"

#include <QCoreApplication>

namespace quavero {

namespace details {
namespace {
// The labels are translated in the context "EntryDetails".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EntryDetails)
};

QString indented(const QString &line) { return QStringLiteral("    ") + line; }
} // namespace

QStringList lastLines(const QByteArray &output, int count)
{
    QStringList lines;
    const QStringList all = QString::fromUtf8(output).split(QLatin1Char('\n'));
    for (auto it = all.crbegin(); it != all.crend() && lines.size() < count; ++it) {
        // What follows the last carriage return is what stayed on the screen.
        QString line = *it;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        line = line.mid(line.lastIndexOf(QLatin1Char('\r')) + 1).trimmed();
        if (!line.isEmpty())
            lines.prepend(line);
    }
    return lines;
}

QString text(const QList<EntryDetails> &entries)
{
    QStringList blocks;
    for (const EntryDetails &entry : entries) {
        QStringList lines{entry.inputPath};
        if (!entry.reason.isEmpty())
            lines << Text::tr("Reason: %1").arg(entry.reason);
        if (!entry.savedAs.isEmpty())
            lines << Text::tr("Saved as %1: another file of this run has the same name.").arg(entry.savedAs);
        if (!entry.rawMessage.isEmpty() && entry.rawMessage != entry.reason)
            lines << Text::tr("Message: %1").arg(entry.rawMessage);
        for (const ProgramOutput &program : entry.programs) {
            lines << Text::tr("Command:") << indented(program.commandLine);
            if (program.lastLines.isEmpty())
                continue;
            lines << Text::tr("Last lines of its output:");
            for (const QString &line : program.lastLines)
                lines << indented(line);
        }
        blocks << lines.join(QLatin1Char('\n'));
    }
    return blocks.join(QStringLiteral("\n\n"));
}
} // namespace details

} // namespace quavero
