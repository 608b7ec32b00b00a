// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name each convertible entry of a run asks the output plan for: the
// input's own name, or the one the settings' name template gives it from the
// entry's tags. The output plan then numbers the names that collide. Pure.
#include <QList>
#include <QString>
#include <QStringList>

#include "convert/core/OutputPlan.h"
#include "convert/core/RunPlanner.h"

namespace quavero {

struct EntryNames {
    QList<PlanEntry> entries; // one for each input without a problem, in order
    QStringList notes;        // for each of them: why the template left it its input's name; "" when it named it
    // What the output plan does with the entries' folders: with a template the
    // folders are the template's (or, for an entry it could not name, the
    // input's own under keepStructure), so they are always kept.
    bool keepStructure = true;
    QString problem; // the template cannot be read: why; every entry fails with it
};

namespace plannednames {
// extension: the output format's (".mp3"), for the room a name may take.
EntryNames forInputs(const SettingsSnapshot &settings, const QList<PlanInput> &inputs, const QString &extension);
} // namespace plannednames

} // namespace quavero
