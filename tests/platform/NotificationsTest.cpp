// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop notifications over a private session bus: a bus daemon of the
// test's own, and a stand-in notification service on it.
#include "platform/Notifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace {
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList received;
public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        Q_UNUSED(replacesId)
        Q_UNUSED(icon)
        Q_UNUSED(actions)
        Q_UNUSED(hints)
        received << QStringLiteral("%1|%2|%3|%4").arg(appName, summary, body).arg(timeout);
        return uint(received.size());
    }
};
} // namespace

TEST(DesktopNotifications, ReachTheServiceAndNothingFailsWithoutOne)
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        GTEST_SKIP() << "needs dbus-daemon";
    QProcess bus;
    bus.start(daemon, {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(bus.waitForStarted());
    QByteArray address;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            address += bus.readAllStandardOutput();
            return address.contains('\n');
        },
        10000));
    // The notifier uses the session bus: this one, from its first use on.
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.trimmed());

    DBusNotifier notifier;
    notifier.notify("Conversion finished", "nobody listens"); // no service yet: nothing happens

    QDBusConnection service = QDBusConnection::connectToBus(QString::fromUtf8(address.trimmed()), "service");
    ASSERT_TRUE(service.isConnected());
    NotificationService recorder;
    ASSERT_TRUE(service.registerObject("/org/freedesktop/Notifications", &recorder, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service.registerService("org.freedesktop.Notifications"));

    notifier.notify("Conversion finished", "3 files converted, 1 failed.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.received.isEmpty(); }, 10000));
    EXPECT_EQ(recorder.received, QStringList{QCoreApplication::applicationName() +
                                             "|Conversion finished|3 files converted, 1 failed.|-1"});

    QDBusConnection::disconnectFromBus("service");
    bus.kill();
    bus.waitForFinished();
}

} // namespace quavero

#include "NotificationsTest.moc"
