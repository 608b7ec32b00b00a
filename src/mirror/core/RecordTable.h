// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A destination's library record held in memory for one run: every row, and
// lookups by output and by input. A library of 100,000 files must fit in a
// few tens of megabytes, so the paths are kept as UTF-8 in one block of text,
// the rows refer to them by offset, and each distinct fingerprint is stored
// once. Pure.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QVector>
#include <optional>

#include "mirror/core/RecordRow.h"

namespace quavero {

class RecordTable {
public:
    // Room for rows whose paths take textBytes of UTF-8 in all, so that
    // reading a large record does not grow its storage step by step.
    void reserve(int rows, qint64 textBytes);
    // Adds a row. When two rows name the same output, the later one counts.
    void add(const RecordRow &row);

    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    RecordRow at(int index) const;

    // The row of an output (relative to the root, compared exactly).
    std::optional<RecordRow> forOutput(const QString &output) const;
    // The rows made from an input (an album image gives several), in the
    // order they were added.
    QList<RecordRow> forInput(const QString &input) const;

    // The lookups sort the rows on first use; a table shared between threads
    // is indexed once before it is shared.
    void index() const;

private:
    struct Packed {
        quint32 outputAt = 0;
        quint32 outputLength = 0;
        quint32 inputAt = 0;
        quint32 inputLength = 0;
        qint32 fingerprint = 0;
        FileStamp inputStamp;
        FileStamp outputStamp;
    };

    QByteArrayView outputOf(const Packed &row) const;
    QByteArrayView inputOf(const Packed &row) const;
    quint32 store(const QByteArray &text);

    QByteArray m_text; // the UTF-8 of every path, one after another
    QVector<Packed> m_rows;
    QVector<QByteArray> m_fingerprints;
    QHash<QByteArray, qint32> m_fingerprintIds;
    // Row numbers sorted by output and by input, built on the first lookup.
    mutable QVector<qint32> m_byOutput;
    mutable QVector<qint32> m_byInput;
    mutable bool m_indexed = false;
};

} // namespace quavero
