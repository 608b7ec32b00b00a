// SPDX-License-Identifier: GPL-3.0-or-later
// Writes rows into the library record at a folder, as a run does, for the
// record tests that need a second process:
//
//   record_writer <root> rows <first> <count> <fingerprint>
//     notes outputs "o<first>.mp3" ... one transaction each, then prints
//     "done <failed steps>" and exits 0 when every step succeeded;
//   record_writer <root> hang <count>
//     opens a batch, notes "hang<n>.mp3" rows in it, prints "in transaction"
//     and waits, still in the batch, until it is killed.
#include "mirror/engine/LibraryRecord.h"

#include <QCoreApplication>
#include <QTextStream>

#include <unistd.h>

using namespace quavero;

namespace {
RecordRow rowFor(const QString &output, const QString &fingerprint, qint64 n)
{
    return RecordRow{output, QStringLiteral("/music/in %1.flac").arg(n), FileStamp{1000 + n, n * 1000}, fingerprint,
                     FileStamp{500 + n, n * 2000}};
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() < 4)
        return 2;
    LibraryRecord record(args.at(1));
    if (record.open(true) != RecordState::Open) {
        out << "cannot open: " << record.problem() << " " << record.details() << Qt::endl;
        return 1;
    }
    if (args.at(2) == QLatin1String("rows") && args.size() == 6) {
        const int first = args.at(3).toInt();
        const int count = args.at(4).toInt();
        int failed = 0;
        for (int n = first; n < first + count; ++n)
            if (!record.note(rowFor(QStringLiteral("o%1.mp3").arg(n), args.at(5), n)))
                ++failed;
        out << "done " << failed << Qt::endl;
        return failed == 0 ? 0 : 1;
    }
    if (args.at(2) == QLatin1String("hang")) {
        if (!record.begin())
            return 1;
        for (int n = 0; n < args.at(3).toInt(); ++n)
            record.note(rowFor(QStringLiteral("hang%1.mp3").arg(n), QStringLiteral("hang"), n));
        out << "in transaction" << Qt::endl;
        for (;;)
            ::pause();
    }
    return 2;
}
