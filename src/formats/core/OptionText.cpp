// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/core/OptionText.h"

#include <QRegularExpression>
#include <cmath>

namespace quavero {

namespace options {
namespace {
QString squeezed(const QString &text)
{
    QString out;
    for (const QChar c : text)
        if (!c.isSpace())
            out += c.toLower();
    return out;
}

// The spellings a label answers to: itself, without a trailing remark in
// brackets, and with or without a trailing "k".
QStringList spellingsOf(const QString &label)
{
    static const QRegularExpression remark(QStringLiteral("\\s*\\([^)]*\\)\\s*$"));
    QStringList forms{squeezed(label)};
    QString bare = label;
    bare.remove(remark);
    forms << squeezed(bare);
    for (const QString &f : QStringList(forms)) {
        if (f.endsWith(QLatin1Char('k')))
            forms << f.chopped(1);
        else if (!f.isEmpty() && f.back().isDigit())
            forms << f + QLatin1Char('k');
    }
    forms.removeDuplicates();
    return forms;
}

QString decibelText(const QString &text)
{
    QString t = text.trimmed();
    if (t.endsWith(QLatin1String("db"), Qt::CaseInsensitive))
        t.chop(2);
    return t.trimmed();
}
} // namespace

bool valueFromText(const OptionField &field, const QString &text, double *value)
{
    switch (field.kind) {
    case OptionKind::Position:
    case OptionKind::Flag: {
        const QString wanted = squeezed(text);
        if (wanted.isEmpty() || !field.choices)
            return false;
        for (int i = 0; i < field.choices->size(); ++i) {
            if (spellingsOf(field.choices->label(i)).contains(wanted)) {
                *value = i;
                return true;
            }
        }
        // "same" or "input" for "Same as input"; then the encoder's own name
        // of a choice ("alac" for "Apple Lossless"), where no label is spelled so.
        for (int i = 0; i < field.choices->size(); ++i) {
            const bool same =
                field.choices->fromInput(i) && (wanted == QLatin1String("same") || wanted == QLatin1String("input"));
            if (same || (!field.choices->value(i).isEmpty() && squeezed(field.choices->value(i)) == wanted)) {
                *value = i;
                return true;
            }
        }
        return false;
    }
    case OptionKind::Speed: {
        bool ok = false;
        const double factor = text.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(factor) || factor <= 0.0 || factor > kMaxSpeed)
            return false;
        *value = factor;
        return true;
    }
    case OptionKind::Decibels: {
        bool ok = false;
        const qint64 db = decibelText(text).toLongLong(&ok);
        if (!ok || db < -kMaxDecibels || db > kMaxDecibels)
            return false;
        *value = double(db);
        return true;
    }
    }
    return false;
}

QString textOf(const OptionField &field, const FormatRecords &records)
{
    const double v = field.get(records);
    switch (field.kind) {
    case OptionKind::Position:
    case OptionKind::Flag: {
        const qint64 i = qint64(v);
        return (field.choices && field.choices->at(i)) ? field.choices->label(i) : QString::number(i);
    }
    case OptionKind::Speed:
        return QString::asprintf("%.2f", v);
    case OptionKind::Decibels:
        return QString::number(qint64(v));
    }
    return QString();
}
} // namespace options

} // namespace quavero
