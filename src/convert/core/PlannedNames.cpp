// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/PlannedNames.h"

#include "naming/core/NameExpansion.h"
#include "naming/core/NamingText.h"
#include "naming/core/SafeName.h"

namespace quavero {

namespace plannednames {
EntryNames forInputs(const SettingsSnapshot &settings, const QList<PlanInput> &inputs, const QString &extension)
{
    EntryNames names;
    names.entries.reserve(inputs.size());
    names.notes.reserve(inputs.size());
    naming::ParsedTemplate parsed;
    const bool templated = !settings.nameTemplate.isEmpty();
    if (templated) {
        parsed = naming::parseTemplate(settings.nameTemplate);
        if (!parsed.ok())
            names.problem = naming::Text::tr("the name template cannot be used: %1").arg(parsed.error);
    }
    names.keepStructure = templated || settings.keepStructure;
    const int budget = naming::baseNameBudget(extension);
    for (const PlanInput &input : inputs) {
        if (!input.problem.isEmpty())
            continue;
        const NodeVideoFile &entry = input.entry;
        if (!templated || !parsed.ok()) {
            names.entries.append({entry.s_File_Name_Without_Extension(), entry.s_Relative_Folder(), QString()});
            names.notes.append(QString());
            continue;
        }
        const NamedOutput named = naming::nameFor(
            parsed.nameTemplate,
            naming::fieldsFrom(input.tags, entry.s_File_Name_Without_Extension(), entry.s_Relative_Folder()), budget,
            settings.keepStructure);
        names.entries.append({named.baseName, named.subfolder, QString()});
        names.notes.append(naming::fallBackReason(named));
    }
    return names;
}
} // namespace plannednames

} // namespace quavero
