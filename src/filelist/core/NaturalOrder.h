// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order a file browser gives names: letter case ignored, runs of digits
// compared by their value ("track 9" before "Track 10"), letters in the
// order of the user's language.
#include <QCollator>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace quavero {

namespace filelist {
class NaturalOrder {
public:
    // The user's locale. The plain "C" locale has no collation rules (it would
    // compare character codes and ignore digit runs), so it falls back to the
    // common international order.
    NaturalOrder();
    explicit NaturalOrder(const QLocale &locale);

    // Negative, zero or positive as a sorts before, with or after b.
    int compare(const QString &a, const QString &b) const;
    // A key whose comparison with another key's gives the same answer as
    // compare() of their texts, but much faster: for sorting many texts.
    QCollatorSortKey sortKey(const QString &text) const;

    // The names sorted in this order; names it finds equal ("a.mp3" and
    // "A.mp3") by their code points, so that the result never depends on the
    // order they came in.
    QStringList sorted(QStringList names) const;

private:
    QCollator m_collator;
};
} // namespace filelist

} // namespace quavero
