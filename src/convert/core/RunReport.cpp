#include "convert/core/RunReport.h"

namespace runreport {
RunAlert endOfRun(int entryCount, const QList<FailedEntry> &failures)
{
    const QString openFolder = QStringLiteral("Open Output Folder");
    const QString close = QStringLiteral("Close");
    RunAlert alert;
    if (failures.isEmpty()) {
        alert.message = QStringLiteral("Success");
        alert.informative = QStringLiteral("Audio files were converted successfully.");
        alert.buttons = QStringList{openFolder, close};
        alert.openFolderButton = 0;
        return alert;
    }
    const int failed = int(failures.size());
    alert.message = failed == 1 ? QStringLiteral("1 of %1 files could not be converted.").arg(entryCount)
                                : QStringLiteral("%1 of %2 files could not be converted.").arg(failed).arg(entryCount);
    if (entryCount == 1)
        alert.message = QStringLiteral("The file could not be converted.");
    QStringList lines;
    for (const FailedEntry &f : failures)
        lines << QStringLiteral("%1: %2").arg(f.fileName, f.reason);
    lines << QString() << QStringLiteral("Check these files and the format options, then convert them again.");
    alert.informative = lines.join(QLatin1Char('\n'));
    if (failed < entryCount) {
        alert.buttons = QStringList{openFolder, close};
        alert.openFolderButton = 0;
    } else {
        alert.buttons = QStringList{close};
    }
    return alert;
}
} // namespace runreport
