// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OptionValues.h"

#include "cli/CliText.h"

#include "formats/core/OptionText.h"

namespace quavero {

namespace cli {
bool valueFromText(const OptionField &field, const QString &text, double *value, QString *error)
{
    if (options::valueFromText(field, text, value))
        return true;
    *error = Text::tr("'%1' is not a value of %2; it takes %3").arg(text, field.name, acceptedValues(field));
    return false;
}

QString acceptedValues(const OptionField &field)
{
    switch (field.kind) {
    case OptionKind::Position:
    case OptionKind::Flag:
        return field.choices ? field.choices->labels().join(QLatin1String(", ")) : QString();
    case OptionKind::Speed:
        return Text::tr("a factor such as 1.25 (above 0, up to %1)").arg(options::kMaxSpeed);
    case OptionKind::Decibels:
        return Text::tr("whole decibels, %1 to %2, such as -6 or 3").arg(-options::kMaxDecibels).arg(options::kMaxDecibels);
    }
    return QString();
}

QString valueText(const OptionField &field, const FormatRecords &records) { return options::textOf(field, records); }
} // namespace cli

} // namespace quavero
