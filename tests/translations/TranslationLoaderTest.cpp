// SPDX-License-Identifier: GPL-3.0-or-later
// Which translation the programs load for a locale, from the build folder
// and from an installed prefix, and that English and C load none.
#include "platform/core/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
const QString kBuiltTranslations = QStringLiteral(QUAVERO_BINARY_DIR "/bin/translations");

QString addFilesText() { return QCoreApplication::translate("MainWindow", "Add Files"); }
} // namespace

TEST(TranslationLoader, CandidateLanguagesStopAtTheFirstEnglishOrCLanguage)
{
    EXPECT_EQ(translations::candidateLanguages({"de-DE", "de"}), (QStringList{"de_DE", "de"}));
    EXPECT_EQ(translations::candidateLanguages({"pt-BR", "es-ES"}), (QStringList{"pt_BR", "pt", "es_ES", "es"}));
    EXPECT_EQ(translations::candidateLanguages({"de_AT.UTF-8"}), (QStringList{"de_AT", "de"}));
    EXPECT_EQ(translations::candidateLanguages({"fr_FR@euro"}), (QStringList{"fr_FR", "fr"}));
    // English comes before German: the texts stay as written.
    EXPECT_TRUE(translations::candidateLanguages({"en-US", "de-DE"}).isEmpty());
    EXPECT_TRUE(translations::candidateLanguages({"en"}).isEmpty());
    EXPECT_TRUE(translations::candidateLanguages({"C"}).isEmpty());
    EXPECT_TRUE(translations::candidateLanguages({"POSIX"}).isEmpty());
    EXPECT_EQ(translations::candidateLanguages({"fr-CA", "en-GB", "de"}), (QStringList{"fr_CA", "fr"}));
    EXPECT_TRUE(translations::candidateLanguages({}).isEmpty());
}

TEST(TranslationLoader, EnglishAndCLocalesLoadNothing)
{
    for (const char *name : {"en_US", "en_GB", "C"}) {
        EXPECT_TRUE(translations::install(*qApp, QLocale(QString::fromLatin1(name)), {kBuiltTranslations}).isEmpty())
            << name;
    }
    EXPECT_EQ(addFilesText(), "Add Files");
}

TEST(TranslationLoader, LanguageWithoutTranslationLoadsNothing)
{
    EXPECT_TRUE(translations::install(*qApp, QLocale(QStringLiteral("ja_JP")), {kBuiltTranslations}).isEmpty());
    EXPECT_EQ(addFilesText(), "Add Files");
}

TEST(TranslationLoader, RegionalLocaleLoadsItsLanguageWithQtsOwnTexts)
{
    EXPECT_EQ(translations::install(*qApp, QLocale(QStringLiteral("fr_CA")), {kBuiltTranslations}), "fr");
    EXPECT_EQ(addFilesText(), "Ajouter des fichiers");
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm"))
        GTEST_SKIP() << "Qt's translations are not installed (qt6-translations-l10n)";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
}

TEST(TranslationLoader, InstalledProgramFindsTheTranslationsBelowItsPrefix)
{
    // <prefix>/bin/quavero looks in <prefix>/share/quavero/translations.
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("bin")));
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("share/quavero/translations")));
    ASSERT_TRUE(QFile::copy(kBuiltTranslations + "/quavero_es.qm",
                            prefix.filePath("share/quavero/translations/quavero_es.qm")));

    const QStringList folders = translations::folders(prefix.filePath("bin"));
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders[0], prefix.filePath("bin/translations"));
    EXPECT_EQ(folders[1], prefix.filePath("share/quavero/translations"));
    EXPECT_EQ(translations::install(*qApp, QLocale(QStringLiteral("es_MX")), folders), "es");
    EXPECT_EQ(addFilesText(), "Añadir archivos");
}

} // namespace quavero
