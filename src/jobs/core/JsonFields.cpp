// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/core/JsonFields.h"

#include "jobs/core/JobPaths.h"
#include "jobs/core/JobsText.h"
#include "presets/core/NamedOptions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace quavero {

namespace jobs {
namespace {
// The largest whole number a JSON number holds exactly.
constexpr double kMaxWhole = 9007199254740992.0;
} // namespace

QByteArray valueText(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

OrderedObject &OrderedObject::addText(const QString &key, const QByteArray &valueText)
{
    m_text += (m_text.isEmpty() ? '{' : ',') + jobs::valueText(key) + ':' + valueText;
    return *this;
}

QByteArray namedText(const QVector<NamedValue> &values)
{
    OrderedObject object;
    for (const NamedValue &v : values)
        object.add(v.name, v.value);
    return object.text();
}

bool Fields::onlyKnown(const QSet<QString> &known)
{
    for (auto it = m_object.begin(); it != m_object.end() && error.isEmpty(); ++it)
        if (!known.contains(it.key()))
            error = Text::tr("it holds the field %1, which this version does not know").arg(quotedText(it.key()));
    return error.isEmpty();
}

QString Fields::text(const QString &key)
{
    const QJsonValue v = required(key);
    if (error.isEmpty() && !v.isString())
        wrongType(key, Text::tr("a text"));
    return v.toString();
}

bool Fields::flag(const QString &key, bool absent)
{
    if (!m_object.contains(key))
        return absent;
    const QJsonValue v = m_object.value(key);
    if (!v.isBool())
        wrongType(key, Text::tr("true or false"));
    return v.toBool();
}

qint64 Fields::whole(const QString &key)
{
    const QJsonValue v = required(key);
    const double d = v.toDouble(-1);
    if (error.isEmpty() && (!v.isDouble() || d < 0 || d > kMaxWhole || std::floor(d) != d))
        wrongType(key, Text::tr("a whole number of 0 or more"));
    return error.isEmpty() ? qint64(d) : 0;
}

QVector<NamedValue> Fields::named(const QString &key)
{
    if (!m_object.contains(key))
        return {};
    const QJsonValue v = m_object.value(key);
    if (!v.isObject()) {
        wrongType(key, Text::tr("an object of names and texts"));
        return {};
    }
    const QJsonObject values = v.toObject();
    for (auto it = values.begin(); it != values.end(); ++it)
        if (!it.value().isString() && error.isEmpty())
            wrongType(key + QLatin1Char('.') + it.key(), Text::tr("a text"));
    return namedoptions::fromJson(values);
}

QMap<QString, QStringList> Fields::textLists(const QString &key)
{
    QMap<QString, QStringList> lists;
    const QJsonObject values = object(key);
    for (auto it = values.begin(); it != values.end() && error.isEmpty(); ++it) {
        const QJsonArray texts = it.value().toArray();
        bool allTexts = it.value().isArray();
        for (const QJsonValue &text : texts)
            allTexts = allTexts && text.isString();
        if (!allTexts) {
            wrongType(key + QLatin1Char('.') + it.key(), Text::tr("a list of texts"));
            break;
        }
        QStringList &list = lists[it.key()];
        for (const QJsonValue &text : texts)
            list << text.toString();
    }
    return error.isEmpty() ? lists : QMap<QString, QStringList>();
}

QJsonObject Fields::object(const QString &key)
{
    if (!m_object.contains(key))
        return {};
    const QJsonValue v = m_object.value(key);
    if (!v.isObject())
        wrongType(key, Text::tr("an object"));
    return v.toObject();
}

QJsonValue Fields::required(const QString &key)
{
    if (!m_object.contains(key) && error.isEmpty())
        error = Text::tr("the field %1 is missing").arg(quotedText(key));
    return m_object.value(key);
}

void Fields::wrongType(const QString &key, const QString &wanted)
{
    if (error.isEmpty())
        error = Text::tr("the field %1 is not %2").arg(quotedText(key), wanted);
}
} // namespace jobs

} // namespace quavero
