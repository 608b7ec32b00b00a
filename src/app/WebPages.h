// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four web pages of the Help menu. They live under a domain reserved for
// documentation until the project has its own.
#include <QUrl>

namespace quavero {

namespace webpages {
inline QUrl productPage() { return QUrl(QStringLiteral("https://quavero.example.org/")); }
inline QUrl homePage() { return QUrl(QStringLiteral("https://www.example.org/quavero/")); }
inline QUrl privacyNote() { return QUrl(QStringLiteral("https://quavero.example.org/privacy")); }
inline QUrl issueTracker() { return QUrl(QStringLiteral("https://quavero.example.org/issues")); }
} // namespace webpages

} // namespace quavero
