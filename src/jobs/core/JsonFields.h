// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing and strictly reading the JSON objects of a job list's lines: an
// object written with its fields in a fixed order, and a reader that takes
// each field by name and type and keeps the first problem in plain words.
// Pure.
#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QSet>
#include <QString>
#include <QVector>

#include "presets/core/Preset.h"

namespace quavero {

namespace jobs {
// A value as compact JSON text.
QByteArray valueText(const QJsonValue &value);

// An object with its fields in the order given, which a QJsonObject (sorted
// by name) would not keep: the list's identity comes first, and a job's
// number before its paths.
class OrderedObject {
public:
    OrderedObject &add(const QString &key, const QJsonValue &value) { return addText(key, valueText(value)); }
    OrderedObject &addText(const QString &key, const QByteArray &valueText);
    QByteArray text() const { return m_text.isEmpty() ? QByteArray("{}") : m_text + '}'; }

private:
    QByteArray m_text;
};

// Names and texts as an object, in their order.
QByteArray namedText(const QVector<NamedValue> &values);

// Reads the fields of one object by name and type; the first problem is kept
// in error, and what a wrong field gives is then not to be used.
class Fields {
public:
    explicit Fields(const QJsonObject &object) : m_object(object) {}

    QString error;

    bool onlyKnown(const QSet<QString> &known);
    QString text(const QString &key);
    bool flag(const QString &key, bool absent);
    // A whole number of 0 or more that a JSON number holds exactly.
    qint64 whole(const QString &key);
    // The same, or absent when the field is not there.
    qint64 whole(const QString &key, qint64 absent) { return m_object.contains(key) ? whole(key) : absent; }
    QVector<NamedValue> named(const QString &key);
    // Texts each under a name, one or more texts to a name; empty when absent.
    QMap<QString, QStringList> textLists(const QString &key);
    // An object, its fields to be read in turn; empty when absent.
    QJsonObject object(const QString &key);

private:
    QJsonValue required(const QString &key);
    void wrongType(const QString &key, const QString &wanted);

    const QJsonObject &m_object;
};
} // namespace jobs

} // namespace quavero
