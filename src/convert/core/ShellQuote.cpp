// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/ShellQuote.h"

namespace quavero {

namespace shell {
namespace {
bool isPlain(QChar c)
{
    if (c.unicode() >= 0x80)
        return false; // left to the quotes: the shell's locale decides what such a byte means
    return c.isLetterOrNumber() || QStringLiteral("@%+=:,./-_").contains(c);
}
} // namespace

QString quoted(const QString &word)
{
    bool plain = !word.isEmpty();
    for (const QChar c : word)
        plain = plain && isPlain(c);
    if (plain)
        return word;
    QString out = QStringLiteral("'");
    for (const QChar c : word) {
        if (c == QLatin1Char('\''))
            out += QStringLiteral("'\\''");
        else
            out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

QString commandLine(const QString &program, const QStringList &arguments)
{
    QStringList words{quoted(program)};
    for (const QString &a : arguments)
        words << quoted(a);
    return words.join(QLatin1Char(' '));
}
} // namespace shell

} // namespace quavero
