// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The path as the user would like to read it: relative to the current folder
// when it lies below it, else absolute.
#include <QString>

namespace quavero {

namespace cli {
QString shownPath(const QString &path);
} // namespace cli

} // namespace quavero
