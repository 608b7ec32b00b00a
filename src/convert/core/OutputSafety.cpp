// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/OutputSafety.h"

#include <QSet>

namespace quavero {

namespace safety {
QString replacesInputReason() { return QStringLiteral("the output would replace an input file"); }

bool outputReplacesInput(const EncoderCommand &command, const QStringList &inputPaths,
                         const std::function<QString(const QString &)> &canonical)
{
    QSet<QString> inputs;
    for (const QString &path : inputPaths)
        if (!path.isEmpty())
            inputs.insert(canonical(path));
    for (const QString &output : {command.finalPath, command.ffmpegOutputPath})
        if (!output.isEmpty() && inputs.contains(canonical(output)))
            return true;
    return false;
}
} // namespace safety

} // namespace quavero
