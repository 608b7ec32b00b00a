// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The selected rows of a table view, in ascending order: what Remove takes
// away and what Play and the waveform look at.
#include <QList>

class QAbstractItemView;

namespace quavero {

QList<int> selectedRows(const QAbstractItemView *view);

} // namespace quavero
