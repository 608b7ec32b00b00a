// SPDX-License-Identifier: GPL-3.0-or-later
// `cmake --install` into a temporary prefix puts every file a desktop user and
// a packager need in its standard place.
#include "platform/core/ChildProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace quavero {

namespace {
QString installInto(const QString &prefix)
{
    const JoinedRun run =
        child::runJoined(QStringLiteral("cmake"), {"--install", QStringLiteral(QUAVERO_BINARY_DIR), "--prefix", prefix});
    return run.exitCode == 0 ? QString() : QString::fromUtf8(run.output);
}
// What a symbolic link holds, as written (QFileInfo only gives it resolved).
QString linkText(const QString &path)
{
    char buffer[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return length > 0 ? QFile::decodeName(QByteArray(buffer, int(length))) : QString();
}
} // namespace

TEST(InstallTree, HasProgramsDesktopIntegrationAndBundledPrograms)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString error = installInto(prefix.path());
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    const QStringList expected{
        "bin/quavero",
        "bin/quavero-cli",
        "share/applications/org.example.Quavero.desktop",
        "share/metainfo/org.example.Quavero.metainfo.xml",
        "share/icons/hicolor/scalable/apps/quavero.svg",
        "share/icons/hicolor/16x16/apps/quavero.png",
        "share/icons/hicolor/48x48/apps/quavero.png",
        "share/icons/hicolor/256x256/apps/quavero.png",
        "share/man/man1/quavero.1.gz",
        "share/man/man1/quavero-cli.1.gz",
        "share/doc/quavero/changelog.gz",
        "share/doc/quavero/copyright",
    };
    for (const QString &relative : expected)
        EXPECT_TRUE(QFileInfo::exists(prefix.filePath(relative))) << relative.toStdString();

    for (const QString &program : {QStringLiteral("bin/quavero"), QStringLiteral("bin/quavero-cli")})
        EXPECT_TRUE(QFileInfo(prefix.filePath(program)).isExecutable()) << program.toStdString();

    // The converter's helpers are linked under libexec, where the program
    // looks first, with relative links that reach the programs the build found.
    for (const QString &tool : {QStringLiteral("ffmpeg"), QStringLiteral("sox")}) {
        const QFileInfo link(prefix.filePath(QStringLiteral("libexec/quavero/resources/") + tool));
        EXPECT_TRUE(link.isSymLink()) << tool.toStdString();
        EXPECT_TRUE(QFileInfo(link.symLinkTarget()).isExecutable()) << tool.toStdString();
        const QString target = linkText(link.filePath());
        EXPECT_TRUE(!target.isEmpty() && QDir::isRelativePath(target))
            << tool.toStdString() << " -> " << target.toStdString();
    }
}

TEST(InstallTree, ManualPagesAndChangelogAreGzipped)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(installInto(prefix.path()).isEmpty());
    for (const QString &relative :
         {QStringLiteral("share/man/man1/quavero.1.gz"), QStringLiteral("share/man/man1/quavero-cli.1.gz"),
          QStringLiteral("share/doc/quavero/changelog.gz")}) {
        // gzip -t checks the whole stream; the text must be the page, not an empty file.
        const JoinedRun test = child::runJoined(QStringLiteral("gzip"), {"-t", prefix.filePath(relative)});
        EXPECT_EQ(test.exitCode, 0) << relative.toStdString() << test.output.toStdString();
        const JoinedRun text = child::runJoined(QStringLiteral("gzip"), {"-dc", prefix.filePath(relative)});
        EXPECT_GT(text.output.size(), 200) << relative.toStdString();
    }
    // man itself reads the new page without a complaint from groff.
    for (const QString &name : {QStringLiteral("quavero.1.gz"), QStringLiteral("quavero-cli.1.gz")}) {
        const JoinedRun page =
            child::runJoined(QStringLiteral("env"), {"LC_ALL=C.UTF-8", "MANWIDTH=80", "man", "--warnings", "-E", "UTF-8",
                                                     "-l", prefix.filePath(QStringLiteral("share/man/man1/") + name)});
        EXPECT_EQ(page.exitCode, 0) << page.output.toStdString();
        EXPECT_TRUE(page.output.contains("SYNOPSIS")) << page.output.toStdString();
        EXPECT_FALSE(page.output.contains("troff:")) << page.output.toStdString();
    }
}

TEST(InstallTree, InstalledCommandLineToolRunsFromThePrefix)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(installInto(prefix.path()).isEmpty());
    const JoinedRun run = child::runJoined(prefix.filePath("bin/quavero-cli"), {"--version"});
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(run.output).contains(QStringLiteral(QUAVERO_VERSION))) << run.output.toStdString();
}

TEST(InstallTree, DesktopEntryAndMetadataPassTheirValidators)
{
    const QString data = QStringLiteral(QUAVERO_SOURCE_DIR) + QStringLiteral("/data/");
    const JoinedRun desktop = child::runJoined(QStringLiteral("desktop-file-validate"),
                                               {data + QStringLiteral("org.example.Quavero.desktop")});
    EXPECT_TRUE(desktop.started);
    EXPECT_EQ(desktop.exitCode, 0) << desktop.output.toStdString();
    const JoinedRun meta =
        child::runJoined(QStringLiteral("appstreamcli"),
                         {"validate", "--no-net", data + QStringLiteral("org.example.Quavero.metainfo.xml")});
    EXPECT_TRUE(meta.started);
    EXPECT_EQ(meta.exitCode, 0) << meta.output.toStdString();
}

} // namespace quavero
