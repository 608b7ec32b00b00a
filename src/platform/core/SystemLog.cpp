// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/SystemLog.h"

#include <cstdio>
#include <syslog.h>

namespace quavero {

namespace syslogline {
void write(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    ::syslog(LOG_NOTICE, "%s", bytes.constData());
    std::fprintf(stderr, "%s\n", bytes.constData());
}
} // namespace syslogline

} // namespace quavero
