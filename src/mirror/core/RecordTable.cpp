// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/core/RecordTable.h"

#include <algorithm>

namespace quavero {

void RecordTable::reserve(int rows, qint64 textBytes)
{
    m_rows.reserve(rows);
    m_text.reserve(qsizetype(textBytes));
}

quint32 RecordTable::store(const QByteArray &text)
{
    const quint32 at = quint32(m_text.size());
    m_text.append(text);
    return at;
}

void RecordTable::add(const RecordRow &row)
{
    Packed packed;
    const QByteArray output = row.output.toUtf8();
    const QByteArray input = row.input.toUtf8();
    packed.outputAt = store(output);
    packed.outputLength = quint32(output.size());
    packed.inputAt = store(input);
    packed.inputLength = quint32(input.size());
    const QByteArray fingerprint = row.fingerprint.toUtf8();
    auto known = m_fingerprintIds.constFind(fingerprint);
    if (known == m_fingerprintIds.constEnd()) {
        known = m_fingerprintIds.insert(fingerprint, qint32(m_fingerprints.size()));
        m_fingerprints.append(fingerprint);
    }
    packed.fingerprint = known.value();
    packed.inputStamp = row.inputStamp;
    packed.outputStamp = row.outputStamp;
    m_rows.append(packed);
    m_indexed = false;
}

QByteArrayView RecordTable::outputOf(const Packed &row) const
{
    return QByteArrayView(m_text.constData() + row.outputAt, qsizetype(row.outputLength));
}

QByteArrayView RecordTable::inputOf(const Packed &row) const
{
    return QByteArrayView(m_text.constData() + row.inputAt, qsizetype(row.inputLength));
}

RecordRow RecordTable::at(int index) const
{
    const Packed &packed = m_rows.at(index);
    RecordRow row;
    row.output = QString::fromUtf8(outputOf(packed));
    row.input = QString::fromUtf8(inputOf(packed));
    row.inputStamp = packed.inputStamp;
    row.fingerprint = QString::fromUtf8(m_fingerprints.at(packed.fingerprint));
    row.outputStamp = packed.outputStamp;
    return row;
}

void RecordTable::index() const
{
    if (m_indexed)
        return;
    m_byOutput.resize(m_rows.size());
    for (qint32 i = 0; i < qint32(m_rows.size()); ++i)
        m_byOutput[i] = i;
    m_byInput = m_byOutput;
    // Stable sorts keep rows of one path in the order they were added.
    std::stable_sort(m_byOutput.begin(), m_byOutput.end(),
                     [this](qint32 a, qint32 b) { return outputOf(m_rows.at(a)) < outputOf(m_rows.at(b)); });
    std::stable_sort(m_byInput.begin(), m_byInput.end(),
                     [this](qint32 a, qint32 b) { return inputOf(m_rows.at(a)) < inputOf(m_rows.at(b)); });
    m_indexed = true;
}

std::optional<RecordRow> RecordTable::forOutput(const QString &output) const
{
    index();
    const QByteArray wanted = output.toUtf8();
    const auto end = std::upper_bound(m_byOutput.cbegin(), m_byOutput.cend(), wanted,
                                      [this](const QByteArray &w, qint32 row) { return w < outputOf(m_rows.at(row)); });
    if (end == m_byOutput.cbegin() || outputOf(m_rows.at(*(end - 1))) != wanted)
        return std::nullopt;
    return at(*(end - 1)); // the last row added for that output
}

QList<RecordRow> RecordTable::forInput(const QString &input) const
{
    index();
    const QByteArray wanted = input.toUtf8();
    const auto first = std::lower_bound(m_byInput.cbegin(), m_byInput.cend(), wanted,
                                        [this](qint32 row, const QByteArray &w) { return inputOf(m_rows.at(row)) < w; });
    const auto last = std::upper_bound(first, m_byInput.cend(), wanted,
                                       [this](const QByteArray &w, qint32 row) { return w < inputOf(m_rows.at(row)); });
    QList<RecordRow> rows;
    for (auto i = first; i != last; ++i)
        rows.append(at(*i));
    return rows;
}

} // namespace quavero
