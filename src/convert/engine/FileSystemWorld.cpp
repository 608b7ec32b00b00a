// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/FileSystemWorld.h"

#include "platform/core/FileSystem.h"

namespace quavero {

namespace planworld {
PlanWorld fileSystem()
{
    PlanWorld world;
    world.exists = [](const QString &path) { return fs::exists(path); };
    world.canonical = [](const QString &path) { return fs::canonicalPath(path); };
    return world;
}
} // namespace planworld

} // namespace quavero
