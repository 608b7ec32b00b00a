// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/TemporaryName.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QTextBoundaryFinder>

namespace quavero {

namespace tempname {
namespace {
// The longest extension kept as one; a longer "extension" is part of the name.
constexpr int kLongestExtension = 16;

qsizetype utf8Size(const QString &text) { return text.toUtf8().size(); }

// The longest start of text, ending between two characters as the reader
// sees them, whose UTF-8 takes at most bytes.
QString startWithin(const QString &text, qsizetype bytes)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype fits = 0;
    for (qsizetype at = graphemes.toNextBoundary(); at > 0; at = graphemes.toNextBoundary()) {
        if (utf8Size(text.left(at)) > bytes)
            break;
        fits = at;
    }
    return text.left(fits);
}

QByteArray hashOf(const QString &finalName)
{
    return QCryptographicHash::hash(finalName.toUtf8(), QCryptographicHash::Sha256).toHex().left(8);
}
} // namespace

QString pathFor(const QString &finalPath, qint64 pid, const QString &stage, const QString &extension)
{
    const qsizetype slash = finalPath.lastIndexOf(QLatin1Char('/'));
    const QString folder = finalPath.left(slash + 1);
    const QString name = finalPath.mid(slash + 1);

    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const bool hasExtension = dot > 0 && name.size() - dot <= kLongestExtension;
    QString stem = hasExtension ? name.left(dot) : name;
    const QString tail = !extension.isEmpty() ? extension : hasExtension ? name.mid(dot) : QString();

    const QByteArray hash = hashOf(name);
    const QString prefix = QStringLiteral(".quavero-part-%1-%2-%3.").arg(pid).arg(stage, QString::fromLatin1(hash));
    const qsizetype room = kNameLimit - utf8Size(prefix) - utf8Size(tail);
    if (utf8Size(stem) > room)
        stem = startWithin(stem, room);
    return folder + prefix + stem + tail;
}

std::optional<qint64> ownerOf(const QString &fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.quavero-part-([1-9][0-9]{0,9})-[a-z]+-[0-9a-f]{8}\\."));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toLongLong();
}

bool isFor(const QString &fileName, const QString &finalName)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.quavero-part-[1-9][0-9]{0,9}-[a-z]+-([0-9a-f]{8})\\."));
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() && match.capturedView(1) == QLatin1String(hashOf(finalName));
}

bool isStale(const QString &fileName, const std::function<bool(qint64)> &alive)
{
    const std::optional<qint64> pid = ownerOf(fileName);
    return pid && !alive(*pid);
}
} // namespace tempname

} // namespace quavero
