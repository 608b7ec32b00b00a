// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The size column's text: "%4.2f <unit>" in steps of 1024, so 1025 bytes show
// as "1.00 KB" and five million bytes as "4.77 MB".
#include <QString>

namespace quavero {

namespace filelist {
// Units go "bytes", "KB", "MB", "GB", "TB", then on with "PB" and "EB" for the
// sizes a 64-bit count can still hold.
QString sizeText(quint64 bytes);
} // namespace filelist

} // namespace quavero
