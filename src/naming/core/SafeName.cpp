// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/core/SafeName.h"

#include <QTextBoundaryFinder>

namespace quavero {

namespace naming {
namespace {
bool unsafe(QChar c)
{
    switch (c.unicode()) {
    case '/':
    case '\\':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|':
        return true;
    default:
        return c.category() == QChar::Other_Control;
    }
}

bool trimmable(QChar c) { return c == QLatin1Char('.') || c.isSpace(); }

int utf8Bytes(QStringView text) { return int(text.toUtf8().size()); }
} // namespace

QString safeValue(const QString &value)
{
    QString out = value;
    for (QChar &c : out)
        if (unsafe(c))
            c = QLatin1Char('_');
    return out;
}

QString trimmedPart(const QString &part)
{
    qsizetype begin = 0;
    qsizetype end = part.size();
    while (begin < end && trimmable(part.at(begin)))
        ++begin;
    while (end > begin && trimmable(part.at(end - 1)))
        --end;
    return part.mid(begin, end - begin);
}

QString cutToBytes(const QString &name, int maxBytes)
{
    if (utf8Bytes(name) <= maxBytes)
        return name;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, name);
    qsizetype kept = 0;
    int bytes = 0;
    for (qsizetype next = graphemes.toNextBoundary(); next > 0; next = graphemes.toNextBoundary()) {
        bytes += utf8Bytes(QStringView(name).mid(kept, next - kept));
        if (bytes > maxBytes)
            break;
        kept = next;
    }
    return trimmedPart(name.left(kept));
}

int baseNameBudget(const QString &extension, int extraBytes)
{
    return kMaxNameBytes - utf8Bytes(extension) - kNumberReserveBytes - extraBytes;
}
} // namespace naming

} // namespace quavero
