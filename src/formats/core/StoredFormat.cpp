// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/core/StoredFormat.h"

#include "common/core/NumberText.h"
#include "formats/core/FormatTable.h"

#include <QRegularExpression>

namespace quavero {

namespace formats {
int indexFromStored(const QString &stored)
{
    const QString text = stored.trimmed();
    if (text.isEmpty())
        return 0;
    static const QRegularExpression numeric(QStringLiteral("^[+-]?[0-9]"));
    if (!numeric.match(text).hasMatch())
        return kDefaultIndex;
    const qint64 index = leadingInteger(text);
    return at(index) ? int(index) : kDefaultIndex;
}
} // namespace formats

} // namespace quavero
