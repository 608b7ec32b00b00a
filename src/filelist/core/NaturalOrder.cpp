// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/NaturalOrder.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quavero {

namespace filelist {
namespace {
QLocale collationLocale(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}
} // namespace

NaturalOrder::NaturalOrder() : NaturalOrder(QLocale::system()) {}

NaturalOrder::NaturalOrder(const QLocale &locale) : m_collator(collationLocale(locale))
{
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setIgnorePunctuation(false);
}

int NaturalOrder::compare(const QString &a, const QString &b) const { return m_collator.compare(a, b); }

QCollatorSortKey NaturalOrder::sortKey(const QString &text) const { return m_collator.sortKey(text); }

QStringList NaturalOrder::sorted(QStringList names) const
{
    std::vector<std::pair<QCollatorSortKey, QString>> keyed;
    keyed.reserve(size_t(names.size()));
    for (const QString &name : std::as_const(names))
        keyed.emplace_back(sortKey(name), name);
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        const int c = a.first.compare(b.first);
        return c != 0 ? c < 0 : a.second < b.second;
    });
    names.clear();
    for (const auto &k : keyed)
        names << k.second;
    return names;
}
} // namespace filelist

} // namespace quavero
