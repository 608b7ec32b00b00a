// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/core/JobChunk.h"

#include "jobs/core/JobsText.h"

#include <QStringList>

namespace quavero {

namespace jobs {
namespace {
// More slices than any job array has tasks; it keeps the arithmetic exact.
constexpr qint64 kMaxParts = 1000000000;
} // namespace

bool readChunk(const QString &text, JobChunk *chunk, QString *error)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    bool partOk = false;
    bool partsOk = false;
    const qint64 k = parts.size() == 2 ? parts.at(0).trimmed().toLongLong(&partOk) : -1;
    const qint64 c = parts.size() == 2 ? parts.at(1).trimmed().toLongLong(&partsOk) : 0;
    if (!partOk || !partsOk || c < 1 || c > kMaxParts || k < 0 || k >= c) {
        *error = Text::tr("--chunk takes K/C, the K-th of C slices counted from 0 (0/4 to 3/4), not '%1'").arg(text);
        return false;
    }
    *chunk = JobChunk{k, c};
    return true;
}

JobRange rangeOf(const JobChunk &chunk, qint64 count)
{
    // k * count / c, worked out so that nothing overflows: with count = q * c + r
    // it is k * q + k * r / c, and k * r stays below c * c.
    const qint64 q = count / chunk.parts;
    const qint64 r = count % chunk.parts;
    const auto edge = [&](qint64 k) { return k * q + k * r / chunk.parts; };
    return JobRange{edge(chunk.part), edge(chunk.part + 1)};
}
} // namespace jobs

} // namespace quavero
