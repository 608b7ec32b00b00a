// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace quavero {

#ifndef QUAVERO_INSTALLED_TRANSLATIONS
#define QUAVERO_INSTALLED_TRANSLATIONS "../share/quavero/translations"
#endif

namespace translations {
namespace {
bool isSourceLanguage(const QString &name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX") || name == QLatin1String("en") ||
           name.startsWith(QLatin1String("en_"));
}

// A translator for prefix + language from the folder, parented to the
// application; nullptr when the folder has no such file.
QTranslator *loaded(QCoreApplication &app, const QString &prefix, const QString &language, const QString &folder)
{
    // Only the exact file: QTranslator would also take a shorter name
    // ("quavero_es" for "quavero_es_MX"), and the caller tries those itself.
    const QString path = folder + QLatin1Char('/') + prefix + language + QStringLiteral(".qm");
    if (!QFileInfo(path).isFile())
        return nullptr;
    auto *translator = new QTranslator(&app);
    if (translator->load(path))
        return translator;
    delete translator;
    return nullptr;
}
} // namespace

QStringList candidateLanguages(const QStringList &uiLanguages)
{
    QStringList names;
    for (QString name : uiLanguages) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        // "de_DE.UTF-8" and "de_DE@euro" name the language de_DE.
        name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        if (name.isEmpty())
            continue;
        if (isSourceLanguage(name))
            break;
        const QString language = name.section(QLatin1Char('_'), 0, 0);
        for (const QString &candidate : {name, language}) {
            if (!names.contains(candidate))
                names << candidate;
        }
    }
    return names;
}

QStringList folders(const QString &executableFolder)
{
    if (executableFolder.isEmpty())
        return {};
    return {executableFolder + QStringLiteral("/translations"),
            QDir::cleanPath(executableFolder + QStringLiteral("/" QUAVERO_INSTALLED_TRANSLATIONS))};
}

QString install(QCoreApplication &app, const QLocale &locale, const QStringList &folders)
{
    // Under LANG=C the C library ignores LANGUAGE, and so does the program.
    if (locale.language() == QLocale::C)
        return {};
    for (const QString &language : candidateLanguages(locale.uiLanguages())) {
        for (const QString &folder : folders) {
            QTranslator *own = loaded(app, QStringLiteral("quavero_"), language, folder);
            if (!own)
                continue;
            // Qt's texts (the buttons of its dialogs) in the same language;
            // Qt may have them only under the language alone.
            const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            QTranslator *base = loaded(app, QStringLiteral("qtbase_"), language, qtFolder);
            if (!base)
                base = loaded(app, QStringLiteral("qtbase_"), language.section(QLatin1Char('_'), 0, 0), qtFolder);
            if (base)
                QCoreApplication::installTranslator(base);
            QCoreApplication::installTranslator(own);
            return language;
        }
    }
    return {};
}

QString installForUser(QCoreApplication &app)
{
    return install(app, QLocale::system(), folders(QCoreApplication::applicationDirPath()));
}
} // namespace translations

} // namespace quavero
