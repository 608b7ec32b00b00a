// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An output must never land on an input file of the list: deleting the old
// output or letting ffmpeg or sox write there would destroy that input. Pure:
// the caller supplies how a path becomes canonical.
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

namespace quavero {

namespace safety {
// The reason given for an entry whose output would replace an input file.
QString replacesInputReason();

// The canonical forms of the input paths, for outputReplacesInput.
QSet<QString> canonicalInputs(const QStringList &inputPaths, const std::function<QString(const QString &)> &canonical);

// True when one of the paths an entry writes is one of the input files,
// comparing canonical paths.
bool outputReplacesInput(const QStringList &writes, const QSet<QString> &canonicalInputs,
                         const std::function<QString(const QString &)> &canonical);
} // namespace safety

} // namespace quavero
