// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/core/Fingerprint.h"

#include "formats/core/FormatTable.h"
#include "formats/core/OptionFields.h"

#include <QCryptographicHash>

#include <algorithm>

namespace quavero {

namespace mirror {
namespace {
// Changing what goes into the text changes this word, so that an old
// record's fingerprints are known to be of another scheme.
constexpr char kScheme[] = "quavero-settings 1";

// Numbers written so that the same value always gives the same text: whole
// numbers without a point, others with enough digits to tell floats apart.
QString numberText(double value) { return QString::number(value, 'g', 9); }

// A word of the caller's, written with its length so that no choice of words
// can give the text of another list of words.
QString wordLine(const QString &word) { return QStringLiteral("extra=%1:%2\n").arg(word.size()).arg(word); }
} // namespace

QString settingsText(qint64 formatIndex, const FormatRecords &records, const EffectValues &effects,
                     const QStringList &extraWords)
{
    QString text = QLatin1String(kScheme) + QLatin1Char('\n');
    const OutputFormat *format = formats::at(formatIndex);
    text += QStringLiteral("format=%1\n").arg(format ? format->item : QStringLiteral("?%1").arg(formatIndex));

    QStringList options;
    if (format)
        for (const OptionField &field : options::fieldsOf(format->record))
            options << QStringLiteral("option.%1=%2\n").arg(field.name, numberText(field.get(records)));
    std::sort(options.begin(), options.end());
    text += options.join(QString());

    text += QStringLiteral("effect.speed=%1\neffect.gain=%2\neffect.treble=%3\neffect.bass=%4\n")
                .arg(numberText(double(effects.speed)))
                .arg(effects.gain)
                .arg(effects.treble)
                .arg(effects.bass);
    for (const QString &word : extraWords)
        text += wordLine(word);
    return text;
}

QString fingerprint(qint64 formatIndex, const FormatRecords &records, const EffectValues &effects,
                    const QStringList &extraWords)
{
    const QByteArray text = settingsText(formatIndex, records, effects, extraWords).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex().left(32));
}
} // namespace mirror

} // namespace quavero
