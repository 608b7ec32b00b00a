// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/core/ImageMatch.h"

#include "formats/core/FormatTable.h"

#include <algorithm>

namespace quavero {

namespace cue {
namespace {
// The name before its last dot ("album" for "album.flac", "a.b" for "a.b.wav").
QString stem(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

QString extension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot + 1).toLower() : QString();
}

// The audio file among names whose stem is wanted (in any letter case), the
// one with the most preferred extension.
QString bestWithStem(const QString &wanted, const QStringList &names)
{
    QString best;
    qsizetype bestRank = imageExtensions().size();
    for (const QString &name : names) {
        if (stem(name).compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        const qsizetype rank = imageExtensions().indexOf(extension(name));
        if (rank >= 0 && rank < bestRank) {
            best = name;
            bestRank = rank;
        }
    }
    return best;
}
} // namespace

QString fileNamePart(const QString &named)
{
    const qsizetype cut = std::max(named.lastIndexOf(QLatin1Char('/')), named.lastIndexOf(QLatin1Char('\\')));
    return named.mid(cut + 1);
}

const QStringList &imageExtensions()
{
    static const QStringList list = [] {
        // Images are lossless as a rule; ffmpeg reads these beside the
        // program's own input formats. A headerless .raw file says nothing
        // of its rate or channels and is never taken for an image.
        QStringList l{"flac", "wav", "ape", "wv", "tta", "aiff", "aif", "aifc", "caf", "m4a"};
        for (const QString &e : formats::acceptedExtensions())
            if (!l.contains(e) && e != QLatin1String("raw"))
                l << e;
        return l;
    }();
    return list;
}

ImageMatch matchImage(const QString &named, const QStringList &names, const QString &sheetBaseName, int filesInSheet)
{
    const QString wanted = fileNamePart(named);
    if (wanted.isEmpty())
        return {};
    if (names.contains(wanted))
        return {MatchKind::Exact, wanted};
    for (const QString &name : names)
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return {MatchKind::OtherCase, name};
    const QString sameStem = bestWithStem(stem(wanted), names);
    if (!sameStem.isEmpty())
        return {MatchKind::OtherExtension, sameStem};
    if (filesInSheet == 1) {
        const QString sheetNamed = bestWithStem(sheetBaseName, names);
        if (!sheetNamed.isEmpty())
            return {MatchKind::SheetName, sheetNamed};
    }
    return {};
}
} // namespace cue

} // namespace quavero
