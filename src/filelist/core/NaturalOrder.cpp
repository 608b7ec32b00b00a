// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/NaturalOrder.h"

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
} // namespace filelist

} // namespace quavero
