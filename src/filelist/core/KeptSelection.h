// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The selected rows and the current row of a list, remembered by a key of
// each row's entry (its file path), so that the same entries can be selected
// again after the model was reset and its rows moved (a sort, a reload after
// an add). A key kept n times selects at most n rows that carry it, so
// duplicates of one file keep their count.
#include <QHash>
#include <QString>

class QAbstractItemModel;
class QItemSelectionModel;

namespace quavero {

class KeptSelection {
public:
    // The selection of selection's model, each row known by the data of its
    // first column under keyRole.
    static KeptSelection take(const QItemSelectionModel &selection, int keyRole);

    bool isEmpty() const { return m_selected.isEmpty() && m_current.isEmpty(); }
    // Selects the whole rows of the model whose keys were kept and makes the
    // kept current row current again, in one step each.
    void restore(QItemSelectionModel &selection) const;

private:
    int m_keyRole = 0;
    QHash<QString, int> m_selected; // key -> how many rows carried it
    QString m_current;
};

} // namespace quavero
