// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The translation context of quavero-cli's messages and help:
// cli::Text::tr("…") gives the text in the user's language (English under an
// English, C or POSIX locale). Option names, format names, option values and
// file names stay as they are: scripts type them.
#include <QCoreApplication>

namespace quavero {

namespace cli {
class Text {
    Q_DECLARE_TR_FUNCTIONS(QuaveroCli)
};
} // namespace cli

} // namespace quavero
