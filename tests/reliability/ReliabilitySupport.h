// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fault cases need: a small RAM disk that is unmounted whatever
// happens, the built programs run as a user would, processes found by what
// they were started with, and bounded waits.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

#include "convert/engine/ConversionJob.h"

namespace quavero {

namespace reliability {
// A tmpfs of the given size mounted on a fresh folder; unmounted (lazily, if
// it is still busy) and removed when it goes. Mounting needs root: when it
// fails, why() says so and the test skips.
class SmallDisk {
public:
    explicit SmallDisk(const QString &name, int kilobytes = 200);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;
    bool mounted() const { return m_mounted; }
    QString why() const { return m_why; }
    QString path() const { return m_path; }
    // Fills the disk with a file so that no more than leftKilobytes stay free.
    void fillLeaving(int leftKilobytes);
    // The names in the disk's top folder.
    QStringList entries() const;

private:
    QString m_path;
    QString m_why;
    bool m_mounted = false;
};

struct ProgramRun {
    bool finished = false; // false: it did not end within the bound (it was killed)
    int exitCode = -1;
    QString out;
    QString err;
};

// The built programs.
QString cliPath();
QString windowPath();
// An environment for a program run: HOME and TMPDIR as given (or the test's
// own), XDG_RUNTIME_DIR a private folder below HOME, offscreen Qt.
QProcessEnvironment environment(const QString &home = QString(), const QString &tmpDir = QString());
// Runs quavero-cli to its end, at most timeoutMs.
ProgramRun runCli(const QStringList &arguments, const QString &tmpDir = QString(), int timeoutMs = 60000);
// Runs a shell line (for names that are no UTF-8: the test's own bytes).
ProgramRun runShell(const QString &line, const QProcessEnvironment &env, int timeoutMs = 60000);
ProgramRun collect(QProcess &process, bool finished);

// Polls condition until it holds, at most timeoutMs; the event loop runs meanwhile.
bool waitFor(const std::function<bool()> &condition, int timeoutMs);
// The process ids whose command line holds text as one of its arguments.
QList<qint64> processesWithArgument(const QString &text);
// A temporary file of the program's pattern in folder that is being written
// (not empty); "" when there is none.
QString temporaryBeingWritten(const QString &folder);
// The SHA-1 of a file's contents (empty when it cannot be read).
QByteArray hashOf(const QString &path);
// A tone of the given length written as FLAC (quick to make, small).
QString makeFlac(const QString &path, double seconds);

// The result a test gives a job that did not finish in time.
inline ConversionResult timedOut()
{
    ConversionResult result;
    result.reason = QStringLiteral("timed out");
    return result;
}
} // namespace reliability

} // namespace quavero
