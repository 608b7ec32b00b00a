// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a line to the system log (syslog) and echoes it to standard error.
// The text is data, never a format pattern.
#include <QString>

namespace quavero {

namespace syslogline {
void write(const QString &line);
} // namespace syslogline

} // namespace quavero
