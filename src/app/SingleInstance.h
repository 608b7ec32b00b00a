// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One window per user: a second start of the program hands the files it was
// given to the window that runs and ends, instead of emptying the work folder
// under that window's conversion and preview.
//
// The window that runs holds a lock file in the work folder (taken before the
// folder is emptied) and listens on a local socket in the user's runtime
// folder, named after the work folder. A lock left by a window that crashed is
// stale (its process is gone) and is taken over.
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QLocalServer;

namespace quavero {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The name of the lock file in the work folder; emptying the folder keeps it.
    static const char *lockFileName();

    explicit SingleInstance(const QString &workFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Sends paths (absolute) to the running window; true when it took them.
    bool handOver(const QStringList &paths);
    // Takes the lock (the work folder must exist) and starts listening. When
    // another window holds it, hands paths to that one instead, trying for a
    // few seconds while it starts up.
    enum class Claim { Claimed, HandedOver, NoAnswer };
    Claim claim(const QStringList &paths);

signals:
    // A later start handed these paths over.
    void pathsArrived(const QStringList &paths);

private:
    void listen();
    void onConnection();

    QString m_workFolder;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace quavero
