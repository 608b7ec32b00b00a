// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/OutputSafety.h"

namespace quavero {

namespace safety {
QString replacesInputReason() { return QStringLiteral("the output would replace an input file"); }

QSet<QString> canonicalInputs(const QStringList &inputPaths, const std::function<QString(const QString &)> &canonical)
{
    QSet<QString> inputs;
    for (const QString &path : inputPaths)
        if (!path.isEmpty())
            inputs.insert(canonical(path));
    return inputs;
}

bool outputReplacesInput(const QStringList &writes, const QSet<QString> &canonicalInputs,
                         const std::function<QString(const QString &)> &canonical)
{
    for (const QString &output : writes)
        if (!output.isEmpty() && canonicalInputs.contains(canonical(output)))
            return true;
    return false;
}
} // namespace safety

} // namespace quavero
