// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineFixture.h"

#include "JobTools.h"

#include <QDir>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace quavero {

namespace engines {
namespace {
QString script(const QString &name) { return QStringLiteral(QUAVERO_SOURCE_DIR "/tests/helpers/engines/") + name; }

// "export NAME='value'" lines.
QMap<QString, QString> exportsOf(const QString &text)
{
    static const QRegularExpression line(QStringLiteral("^export (\\w+)='?([^'\\n]*)'?$"),
                                         QRegularExpression::MultilineOption);
    QMap<QString, QString> exports;
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        exports.insert(m.captured(1), m.captured(2));
    }
    return exports;
}
} // namespace

QString sharedScratch(const QString &name)
{
    const QString base = QStringLiteral("/tmp/quavero-engines");
    QDir().mkpath(base);
    ::chmod(QFile::encodeName(base).constData(), 0755);
    QTemporaryDir dir(base + QLatin1Char('/') + name + QStringLiteral(".XXXXXX"));
    dir.setAutoRemove(false);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    return dir.path();
}

int freePort()
{
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

Engine::Engine(const QString &name) : m_name(name) {}

Engine::~Engine() { stop(); }

bool Engine::start(const QMap<QString, QString> &environment)
{
    if (::geteuid() != 0) {
        m_why = QStringLiteral("the %1 engine needs root to start its daemons").arg(m_name);
        return false;
    }
    m_folder = sharedScratch(m_name) + QStringLiteral("/state");
    const jobtools::Ran up = jobtools::run(script(m_name + QStringLiteral("-up.sh")), {m_folder}, QString(), environment);
    m_up = true; // whatever started is stopped again
    if (!up.finished || up.exitCode != 0) {
        m_why = QStringLiteral("%1-up.sh failed: %2").arg(m_name, (up.err + up.out).trimmed());
        return false;
    }
    m_exports = exportsOf(up.out);
    return true;
}

void Engine::stop()
{
    if (!m_up)
        return;
    m_up = false;
    jobtools::run(script(m_name + QStringLiteral("-down.sh")), {m_folder});
    QDir(QFileInfo(m_folder).path()).removeRecursively();
}
} // namespace engines

} // namespace quavero
