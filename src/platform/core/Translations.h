// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's translations: quavero_<language>.qm from a translations/
// folder beside the executable (the build puts them there), then from the
// installed <prefix>/share/quavero/translations (seen from <prefix>/bin),
// together with Qt's own qtbase_<language>.qm for the texts of Qt's dialogs.
// The texts in the code are English: an English, C or POSIX locale loads
// nothing.
#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace quavero {

namespace translations {
// The language names to look for, best first, for the interface languages
// of a locale (QLocale::uiLanguages(), "de-DE" or "de_DE"): each name and
// then its language alone ("de_DE", "de"), stopping at the first English,
// C or POSIX entry, since the texts are English already.
QStringList candidateLanguages(const QStringList &uiLanguages);

// The folders holding the program's .qm files, in the order they are tried.
QStringList folders(const QString &executableFolder);

// Installs on the application the translation of the first candidate
// language of the locale that the folders hold, with Qt's base translation
// of that language when Qt has one. Returns the language loaded ("de"), or
// an empty string when the texts stay English.
QString install(QCoreApplication &app, const QLocale &locale, const QStringList &folders);

// The same for the user's locale and the running executable's folders.
QString installForUser(QCoreApplication &app);
} // namespace translations

} // namespace quavero
