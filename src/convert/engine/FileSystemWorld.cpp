// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/FileSystemWorld.h"

#include "mirror/engine/FileStamps.h"
#include "platform/core/FileSystem.h"

namespace quavero {

namespace planworld {
PlanWorld fileSystem(const QString &destinationFolder, const RecordTable *record)
{
    PlanWorld world;
    world.exists = [](const QString &path) { return fs::exists(path); };
    world.canonical = [](const QString &path) { return fs::canonicalPath(path); };
    world.record = record;
    world.inputStamp = [](const QString &path) { return mirror::stampOf(path); };
    world.outputStamp = [](const QString &path) { return mirror::outputStampOf(path); };
    world.throughLink = [destinationFolder](const QString &relative) {
        return mirror::throughLink(destinationFolder, relative);
    };
    return world;
}
} // namespace planworld

} // namespace quavero
