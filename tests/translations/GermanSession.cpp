// SPDX-License-Identifier: GPL-3.0-or-later
#include "GermanSession.h"

#include "platform/core/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProcess>
#include <gtest/gtest.h>

namespace quavero {

namespace germansession {
namespace {
const char *const kSessionMarker = "QUAVERO_TEST_GERMAN_SESSION";
} // namespace

bool active() { return qEnvironmentVariableIsSet(kSessionMarker); }

void run(const QString &test, const QProcessEnvironment &extra)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QLatin1String(kSessionMarker), QStringLiteral("1"));
    environment.insert(extra);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + test});
    ASSERT_TRUE(child.waitForFinished(120000)) << "the German session did not end";
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

void install()
{
    ASSERT_EQ(QLocale::system().name(), "de_DE");
    ASSERT_EQ(translations::install(*qApp, QLocale::system(), {QStringLiteral(QUAVERO_BINARY_DIR "/bin/translations")}),
              "de");
}
} // namespace germansession

} // namespace quavero
