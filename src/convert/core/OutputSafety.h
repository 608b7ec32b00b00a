// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An output must never land on an input file of the list: deleting the old
// output or letting ffmpeg or sox write there would destroy that input. Pure:
// the caller supplies how a path becomes canonical.
#include <QString>
#include <QStringList>
#include <functional>

#include "convert/core/EncoderCommand.h"

namespace quavero {

namespace safety {
// The reason given for an entry whose output would replace an input file.
QString replacesInputReason();

// True when the command's final path or ffmpeg output path is one of the
// input files (the entry's own file included), comparing canonical paths.
bool outputReplacesInput(const EncoderCommand &command, const QStringList &inputPaths,
                         const std::function<QString(const QString &)> &canonical);
} // namespace safety

} // namespace quavero
