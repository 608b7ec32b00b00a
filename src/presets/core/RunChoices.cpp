// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/core/RunChoices.h"

namespace quavero {

namespace runchoices {
namespace {
// One yes-or-no setting: its name, its two value texts and the member it sets.
struct Choice {
    const char *name;
    const char *on;
    const char *off;
    bool PresetSettings::*member;
};

constexpr Choice kChoices[] = {
    {"tags", "yes", "no", &PresetSettings::copyTags},
    {"folders", "keep", "flat", &PresetSettings::keepStructure},
};
} // namespace

QStringList names()
{
    QStringList list;
    for (const Choice &c : kChoices)
        list << QLatin1String(c.name);
    return list;
}

bool apply(const NamedValue &setting, PresetSettings &settings)
{
    const QString value = setting.value.trimmed();
    for (const Choice &c : kChoices) {
        if (setting.name != QLatin1String(c.name))
            continue;
        if (value.compare(QLatin1String(c.on), Qt::CaseInsensitive) == 0)
            settings.*c.member = true;
        else if (value.compare(QLatin1String(c.off), Qt::CaseInsensitive) == 0)
            settings.*c.member = false;
        else
            return false;
        return true;
    }
    return false;
}

QVector<NamedValue> of(const PresetSettings &settings)
{
    QVector<NamedValue> list;
    for (const Choice &c : kChoices)
        list.append({QLatin1String(c.name), QLatin1String(settings.*c.member ? c.on : c.off)});
    return list;
}
} // namespace runchoices

} // namespace quavero
