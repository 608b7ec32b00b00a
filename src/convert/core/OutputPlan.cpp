// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/OutputPlan.h"

#include "formats/core/FormatTable.h"

#include <QDir>
#include <QSet>

namespace quavero {

namespace outputplan {
namespace {
QString key(const QString &path) { return QDir::cleanPath(path).toCaseFolded(); }

QString numbered(const QString &baseName, int number) { return QStringLiteral("%1 (%2)").arg(baseName).arg(number); }
} // namespace

QString safeSubfolder(const QString &relativeFolder)
{
    if (relativeFolder.isEmpty() || QDir::isAbsolutePath(relativeFolder))
        return QString();
    const QString clean = QDir::cleanPath(relativeFolder);
    if (clean == QLatin1String(".") || clean == QLatin1String("..") || clean.startsWith(QLatin1String("../")))
        return QString();
    return clean;
}

QList<PlannedOutput> plan(const QList<PlanEntry> &entries, const QString &destinationFolder, const QString &extension,
                          bool keepStructure, const std::function<bool(const QString &)> &exists)
{
    QList<PlannedOutput> planned;
    planned.reserve(entries.size());
    QSet<QString> ownPaths; // what every entry would write under its own name
    for (const PlanEntry &entry : entries) {
        PlannedOutput output;
        output.name.subfolder = keepStructure ? safeSubfolder(entry.relativeFolder) : QString();
        output.name.baseName = entry.baseName;
        ownPaths.insert(key(encoder::finalPath(encoder::outputFolder(destinationFolder, output.name.subfolder),
                                               entry.baseName, extension)));
        planned.append(output);
    }

    QSet<QString> claimed;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).keptBaseName.isEmpty())
            continue;
        PlannedOutput &output = planned[i];
        output.name.baseName = entries.at(i).keptBaseName;
        output.renamed = output.name.baseName != entries.at(i).baseName;
        claimed.insert(key(encoder::finalPath(encoder::outputFolder(destinationFolder, output.name.subfolder),
                                              output.name.baseName, extension)));
    }
    for (int i = 0; i < entries.size(); ++i) {
        if (!entries.at(i).keptBaseName.isEmpty())
            continue;
        PlannedOutput &output = planned[i];
        const QString folder = encoder::outputFolder(destinationFolder, output.name.subfolder);
        const QString own = key(encoder::finalPath(folder, output.name.baseName, extension));
        if (!claimed.contains(own)) {
            claimed.insert(own);
            continue;
        }
        for (int number = 2;; ++number) {
            const QString candidate = numbered(output.name.baseName, number);
            const QString path = encoder::finalPath(folder, candidate, extension);
            const QString candidateKey = key(path);
            if (claimed.contains(candidateKey) || ownPaths.contains(candidateKey) || exists(path))
                continue;
            claimed.insert(candidateKey);
            output.name.baseName = candidate;
            output.renamed = true;
            break;
        }
    }
    return planned;
}

QList<PlannedOutput> planEntries(const QList<NodeVideoFile> &entries, const QString &destinationFolder,
                                 qint64 formatIndex, bool keepStructure,
                                 const std::function<bool(const QString &)> &exists, const QStringList &keptBaseNames)
{
    QList<PlanEntry> named;
    named.reserve(entries.size());
    for (int i = 0; i < entries.size(); ++i)
        named.append(
            {entries.at(i).s_File_Name_Without_Extension(), entries.at(i).s_Relative_Folder(), keptBaseNames.value(i)});
    const OutputFormat *format = formats::at(formatIndex);
    if (!format) {
        QList<PlannedOutput> own;
        for (const PlanEntry &entry : named)
            own.append({OutputName{QString(), entry.baseName}, false});
        return own;
    }
    return plan(named, destinationFolder, format->extension, keepStructure, exists);
}
} // namespace outputplan

} // namespace quavero
