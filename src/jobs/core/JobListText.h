// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A job list's lines as JSON text and back. Each line is one JSON object on
// one line: names with tabs, newlines or any other character survive as
// JSON escapes. Reading is strict, because the list may come from anywhere:
// a field this version does not know, a value of the wrong type, a path
// that is absolute or leads out of its root with "..", or a line of another
// version is refused with the reason, and nothing of it is used. Pure.
#include <QByteArray>
#include <QString>

#include "jobs/core/JobList.h"

namespace quavero {

namespace jobs {
// One line each, without the line break.
QByteArray headerText(const JobListHeader &header);
QByteArray jobText(const JobLine &job);

// False, with the reason in *error, when the line cannot be used.
bool readHeader(const QByteArray &line, JobListHeader *header, QString *error);
bool readJob(const QByteArray &line, JobLine *job, QString *error);
} // namespace jobs

} // namespace quavero
