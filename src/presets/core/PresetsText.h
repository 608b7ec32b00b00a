// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The translation context of the presets' messages: presets::Text::tr("…").
#include <QCoreApplication>

namespace quavero {

namespace presets {
class Text {
    Q_DECLARE_TR_FUNCTIONS(Presets)
};
} // namespace presets

} // namespace quavero
