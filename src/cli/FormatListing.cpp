// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FormatListing.h"

#include "cli/CliText.h"
#include "cli/OptionValues.h"
#include "cli/TextWrap.h"
#include "formats/core/FormatTable.h"
#include "formats/core/OptionFields.h"

namespace quavero {

namespace cli {
namespace {
constexpr int kIndent = 16;

QString optionLine(const OptionField &field, const FormatRecords &defaults)
{
    const QString head = QStringLiteral("  %1=").arg(field.name).leftJustified(kIndent - 1) + QLatin1Char(' ');
    if (field.choices) {
        QStringList values = field.choices->labels();
        const int start = int(field.get(defaults));
        if (start >= 0 && start < values.size())
            values[start] += QLatin1Char('*');
        return head + wrappedList(values, kIndent, kIndent) + QLatin1Char('\n');
    }
    return head + acceptedValues(field) + Text::tr("; default ") + valueText(field, defaults) + QLatin1Char('\n');
}

QString effectsNote(EffectsRule rule)
{
    const QString condition = effectsCondition(rule);
    return condition.isEmpty() ? QString()
                               : Text::tr("  (speed, gain, treble and bass apply only with %1)\n").arg(condition);
}
} // namespace

QString effectsCondition(EffectsRule rule)
{
    switch (rule) {
    case EffectsRule::WhenAiffUncompressed:
        return QStringLiteral("codec=Uncompressed");
    case EffectsRule::WhenOggVbr:
        return QStringLiteral("mode=VBR");
    case EffectsRule::Never:
    case EffectsRule::Always:
        break;
    }
    return QString();
}

QString formatListing()
{
    const FormatRecords defaults = commandLineRecords();
    QString out;
    for (const OutputFormat &format : formats::all()) {
        if (!out.isEmpty())
            out += QLatin1Char('\n');
        out += Text::tr("%1 (%2): writes *%3\n").arg(format.item.mid(1).toLower(), format.item, format.extension);
        const QVector<OptionField> &fields = options::fieldsOf(format.record);
        if (fields.isEmpty())
            out += Text::tr("  no options\n");
        for (const OptionField &field : fields)
            out += optionLine(field, defaults);
        out += effectsNote(format.effects);
    }
    return out;
}
} // namespace cli

} // namespace quavero
