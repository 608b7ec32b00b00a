// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/core/TemplateExample.h"

#include "naming/core/NameExpansion.h"
#include "naming/core/NameTemplate.h"
#include "naming/core/NamingText.h"
#include "naming/core/SafeName.h"

namespace quavero {

namespace naming {
NameFields sampleFields()
{
    TagSet tags;
    tags.fields = {{QStringLiteral("TITLE"), {QStringLiteral("Opening")}},
                   {QStringLiteral("ARTIST"), {QStringLiteral("Band A")}},
                   {QStringLiteral("ALBUM"), {QStringLiteral("Debut")}},
                   {QStringLiteral("TRACKNUMBER"), {QStringLiteral("1/9")}},
                   {QStringLiteral("DISCNUMBER"), {QStringLiteral("1/1")}},
                   {QStringLiteral("DATE"), {QStringLiteral("2019")}},
                   {QStringLiteral("GENRE"), {QStringLiteral("Rock")}},
                   {QStringLiteral("COMPOSER"), {QStringLiteral("A. Composer")}}};
    return fieldsFrom(tags, QStringLiteral("track01"), QString());
}

TemplateExample exampleFor(const QString &templateText, const NameFields &fields, const QString &extension)
{
    const QString ownName = fields.value(Field::Name) + extension;
    if (templateText.isEmpty())
        return {Text::tr("Each output keeps its input's name: %1").arg(ownName), true};
    const ParsedTemplate parsed = parseTemplate(templateText);
    if (!parsed.ok())
        return {parsed.error, false};
    // Entries added with their subfolders keep them when the template cannot name them.
    const NamedOutput named = nameFor(parsed.nameTemplate, fields, baseNameBudget(extension), true);
    const QString example = Text::tr("Example: %1").arg(named.relativePath() + extension);
    if (named.fellBack)
        return {example + QLatin1Char('\n') + fallBackReason(named), true};
    return {example, true};
}
} // namespace naming

} // namespace quavero
