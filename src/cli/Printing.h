// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// quavero-cli's output: text written as UTF-8 and flushed at once, so that
// its lines keep their order with those of the programs it runs; a complaint
// goes to standard error after the program's name.
#include <QString>
#include <cstdio>

namespace quavero {

namespace cli {
void print(std::FILE *stream, const QString &text);
void complain(const QString &text);
} // namespace cli

} // namespace quavero
