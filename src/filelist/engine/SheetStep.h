// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step of the window's add between finding files and completing them:
// CUE sheets (and FLAC images holding one) become their tracks, and a sheet
// that gives none is named among the files not added, with its reason.
#include "filelist/engine/AddCandidates.h"

namespace quavero {

namespace filelist {
void expandSheets(AddCandidates &candidates);
} // namespace filelist

} // namespace quavero
