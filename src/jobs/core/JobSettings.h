// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings of a job list's first line: the format by its command-line
// name, its options and its effects by option name with their values as
// text (as --set writes them), whether tags are copied and subfolders kept.
// A worker turns them back into the settings it converts with; a format, an
// option or a value it does not know makes the list unusable. Pure.
#include <QString>

#include "convert/core/SettingsSnapshot.h"
#include "jobs/core/JobList.h"

namespace quavero {

namespace jobs {
// Fills in the settings part of the header.
void describeSettings(const SettingsSnapshot &settings, JobListHeader *header);
// The settings the header's jobs convert with: the start values with the
// header's options over them. False, with the reason, when something in it
// is not known.
bool settingsOf(const JobListHeader &header, SettingsSnapshot *settings, QString *error);
} // namespace jobs

} // namespace quavero
