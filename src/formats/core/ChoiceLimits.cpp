// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/core/ChoiceLimits.h"

#include "formats/core/FormatTable.h"

#include <QCoreApplication>
#include <QStringList>

namespace quavero {

namespace formats {
namespace {
enum class Limited { No, Rate, Channels };

// The options the table's limits speak of, by their command-line names.
Limited limitedBy(const OptionField &field)
{
    if (field.kind != OptionKind::Position || !field.choices)
        return Limited::No;
    if (field.name == QLatin1String("rate"))
        return Limited::Rate;
    if (field.name == QLatin1String("channels"))
        return Limited::Channels;
    return Limited::No;
}

// "MP3", or "M4A (AAC)" where the limits depend on the codec.
QString formatName(const OutputFormat &format, const FormatRecords &records)
{
    if (format.record == RecordKind::M4A)
        return QStringLiteral("%1 (%2)").arg(
            format.recordName,
            QCoreApplication::translate("FormatLabels", labels::m4aCodecs().label(records.m_AF_M4A.i_Codec()).toUtf8()));
    return format.recordName;
}

QString choiceLabel(const OptionField &field, int position)
{
    return QCoreApplication::translate("FormatLabels", field.choices->label(position).toUtf8());
}

// "8000, 11025, 16000 Hz or Same as input": what may be chosen instead.
QString acceptedText(const OptionField &field, const QVector<int> &offered, Limited limited)
{
    QStringList values;
    QString sameAsInput;
    for (const int position : offered) {
        if (field.choices->fromInput(position))
            sameAsInput = choiceLabel(field, position);
        else
            values << choiceLabel(field, position);
    }
    QString text = values.join(QStringLiteral(", "));
    if (limited == Limited::Rate && !text.isEmpty())
        text = QCoreApplication::translate("ChoiceLimits", "%1 Hz").arg(text);
    if (!sameAsInput.isEmpty())
        text = text.isEmpty() ? sameAsInput
                              : QCoreApplication::translate("ChoiceLimits", "%1 or %2").arg(text, sameAsInput);
    return text;
}
} // namespace

int indexOfRecord(RecordKind record)
{
    if (record == RecordKind::None)
        return -1;
    for (const OutputFormat &format : all())
        if (format.record == record)
            return format.index;
    return -1;
}

bool takesChoice(const FormatLimits &limits, const OptionField &field, qint64 position)
{
    const Limited limited = limitedBy(field);
    if (limited == Limited::No || field.choices->fromInput(position))
        return true;
    bool number = false;
    const int value = field.choices->value(position).toInt(&number);
    if (!number)
        return false;
    if (limited == Limited::Rate)
        return limits.takesRate(value);
    return value >= 1 && limits.channelsFor(value) == value;
}

QVector<int> offeredPositions(qint64 formatIndex, const FormatRecords &records, const OptionField &field)
{
    QVector<int> offered;
    const int size = field.choices ? field.choices->size() : 0;
    const FormatLimits limits = limitsFor(formatIndex, records);
    for (int position = 0; position < size; ++position)
        if (takesChoice(limits, field, position))
            offered << position;
    return offered;
}

int shownPosition(const QVector<int> &offered, const OptionField &field, const FormatLimits &limits, qint64 stored)
{
    if (offered.isEmpty())
        return -1;
    if (offered.contains(int(stored)))
        return int(stored);
    bool number = false;
    const int value = field.choices ? field.choices->value(stored).toInt(&number) : 0;
    if (number) {
        const Limited limited = limitedBy(field);
        const int instead = limited == Limited::Rate       ? limits.rateFor(value)
                            : limited == Limited::Channels ? limits.channelsFor(value)
                                                           : value;
        for (const int position : offered)
            if (field.choices->value(position) == QString::number(instead))
                return position;
    }
    return offered.first();
}

QString refusedChoice(qint64 formatIndex, const FormatRecords &records)
{
    const OutputFormat *format = at(formatIndex);
    if (!format)
        return QString();
    const FormatLimits limits = limitsFor(formatIndex, records);
    for (const OptionField &field : options::fieldsOf(format->record)) {
        const qint64 position = qint64(field.get(records));
        const Limited limited = limitedBy(field);
        // A position outside the list is no choice of the user's: the
        // argument builder leaves it out.
        if (limited == Limited::No || !field.choices->at(position) || takesChoice(limits, field, position))
            continue;
        const QString accepted = acceptedText(field, offeredPositions(formatIndex, records, field), limited);
        const QString name = formatName(*format, records);
        if (limited == Limited::Rate)
            return QCoreApplication::translate("ChoiceLimits",
                                               "%1 cannot be written at a sample rate of %2 Hz. It takes %3.")
                .arg(name, choiceLabel(field, int(position)), accepted);
        return QCoreApplication::translate("ChoiceLimits", "%1 cannot be written with the channels %2. It takes %3.")
            .arg(name, choiceLabel(field, int(position)), accepted);
    }
    return QString();
}
} // namespace formats

} // namespace quavero
