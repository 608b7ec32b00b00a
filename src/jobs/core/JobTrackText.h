// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A job's track of an album image as the JSON object under "track", and back.
// Reading is as strict as for the rest of the line: a track number outside
// its sheet, a range that ends before it starts, a sample rate of 0 or a
// sheet path that leads out of the input root is refused with the reason.
// Pure.
#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include "jobs/core/JobList.h"

namespace quavero {

namespace jobs {
QByteArray trackText(const JobTrack &track);
bool readTrack(const QJsonObject &object, JobTrack *track, QString *error);
} // namespace jobs

} // namespace quavero
