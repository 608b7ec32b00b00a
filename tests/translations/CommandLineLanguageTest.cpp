// SPDX-License-Identifier: GPL-3.0-or-later
// quavero-cli speaks the language of the locale it is started under, and
// English under C; option names and values stay as typed.
#include <QProcess>
#include <gtest/gtest.h>

namespace quavero {

namespace {
struct CliRun {
    int exitCode = -1;
    QString out;
};

CliRun cliUnder(const QString &lang, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), lang);
    QProcess cli;
    cli.setProcessEnvironment(environment);
    cli.setProcessChannelMode(QProcess::MergedChannels);
    cli.start(QStringLiteral(QUAVERO_BINARY_DIR "/bin/quavero-cli"), arguments);
    if (!cli.waitForFinished(60000))
        return {};
    return {cli.exitCode(), QString::fromUtf8(cli.readAll())};
}
} // namespace

TEST(CommandLineLanguage, HelpAndErrorsFollowTheLocale)
{
    const CliRun german = cliUnder(QStringLiteral("de_DE.UTF-8"), {QStringLiteral("--help")});
    EXPECT_EQ(german.exitCode, 0);
    EXPECT_TRUE(german.out.startsWith("Aufruf: quavero-cli [OPTIONEN] EINGABE...")) << german.out.toStdString();
    EXPECT_TRUE(german.out.contains("  -o, --output-dir DIR")) << german.out.toStdString();

    const CliRun french = cliUnder(QStringLiteral("fr_FR.UTF-8"), {QStringLiteral("--bogus")});
    EXPECT_EQ(french.exitCode, 2);
    EXPECT_TRUE(french.out.contains("option inconnue « --bogus »")) << french.out.toStdString();

    const CliRun spanish =
        cliUnder(QStringLiteral("es_ES.UTF-8"), {QStringLiteral("-f"), QStringLiteral("xyz"), QStringLiteral("-o"),
                                                 QStringLiteral("/tmp"), QStringLiteral("a.wav")});
    EXPECT_EQ(spanish.exitCode, 2);
    EXPECT_TRUE(spanish.out.contains("formato desconocido 'xyz'")) << spanish.out.toStdString();

    for (const QString &lang : {QStringLiteral("C"), QStringLiteral("C.UTF-8"), QStringLiteral("en_US.UTF-8")}) {
        const CliRun english = cliUnder(lang, {QStringLiteral("--help")});
        EXPECT_TRUE(english.out.startsWith("Usage: quavero-cli [OPTIONS] INPUT...")) << lang.toStdString();
    }
}

TEST(CommandLineLanguage, FormatListingKeepsTheValuesScriptsType)
{
    const CliRun german = cliUnder(QStringLiteral("de_DE.UTF-8"), {QStringLiteral("--list-formats")});
    EXPECT_EQ(german.exitCode, 0);
    EXPECT_TRUE(german.out.contains("mp3 (.MP3): schreibt *.mp3")) << german.out.toStdString();
    // The accepted values are the ones --set takes, whatever the language.
    EXPECT_TRUE(german.out.contains("Stereo")) << german.out.toStdString();
    EXPECT_TRUE(german.out.contains("  keine Optionen")) << german.out.toStdString();
}

} // namespace quavero
