// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five appearance settings the colours dialog edits: the waveform's
// background and wave colours, the file list's background and text colours
// and the alternating-rows switch.
#include <QColor>

namespace quavero {

struct ColorSettings {
    QColor background;
    QColor spectrum;
    QColor tableBackground;
    QColor tableForeground;
    bool alternatingRows = false;

    // The colours of a first start, with the rows not alternating: what
    // Restore Defaults shows.
    static ColorSettings restoredDefaults();
};

} // namespace quavero
