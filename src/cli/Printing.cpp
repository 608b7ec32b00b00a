// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Printing.h"

#include <QByteArray>

namespace quavero {

namespace cli {
void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void complain(const QString &text) { print(stderr, QStringLiteral("quavero-cli: %1\n").arg(text)); }
} // namespace cli

} // namespace quavero
