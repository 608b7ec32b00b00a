// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/StartFolder.h"

namespace quavero {

namespace startfolder {
QString pick(const QString &remembered, const QString &music, const QString &home,
             const std::function<bool(const QString &path)> &isFolder)
{
    for (const QString &candidate : {remembered, music})
        if (!candidate.isEmpty() && isFolder(candidate))
            return candidate;
    return home;
}
} // namespace startfolder

} // namespace quavero
