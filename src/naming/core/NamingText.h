// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The translation context of the naming messages: naming::Text::tr("…").
#include <QCoreApplication>

namespace quavero {

namespace naming {
class Text {
    Q_DECLARE_TR_FUNCTIONS(NameTemplate)
};
} // namespace naming

} // namespace quavero
