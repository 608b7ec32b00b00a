// SPDX-License-Identifier: GPL-3.0-or-later
// Shared main() of every test executable: a private HOME for the process (so
// the preferences store and the work folder are the test's own), the
// offscreen platform unless another was asked for, then the QApplication.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/quavero-test-home-XXXXXX"));
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_DOCUMENTS_DIR"})
        qunsetenv(name);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.multimedia*=false");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quavero"));
    QApplication::setOrganizationName(QStringLiteral("Quavero"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
