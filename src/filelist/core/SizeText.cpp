// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/SizeText.h"

#include <array>

namespace quavero {

namespace filelist {
QString sizeText(quint64 bytes)
{
    static const std::array<const char *, 7> units{"bytes", "KB", "MB", "GB", "TB", "PB", "EB"};
    double value = double(bytes);
    std::size_t unit = 0;
    // Only sizes above 1024 bytes change unit, and each step stops as soon as
    // the value is 1024 or less: 1024 bytes stay "1024.00 bytes".
    if (bytes >= 1025) {
        do {
            value *= 0.0009765625;
            ++unit;
        } while (value > 1024.0 && unit + 1 < units.size());
    }
    return QString::asprintf("%4.2f %s", value, units[unit]);
}
} // namespace filelist

} // namespace quavero
