// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the end of a run reports beside its counts, for the window's alert and
// quavero-cli's summary alike: the entries that could not be converted with
// their reasons (those left waiting when the disk was full among them), the
// entries saved under a numbered name, the converted entries with warnings,
// and the details of the first two.
#include <QList>

#include "convert/core/EntryDetails.h"
#include "convert/core/RunReport.h"

namespace quavero {

class ConversionRun;

namespace rundetails {
// The indexes of the entries that failed, or were not converted because the
// disk was full, in list order.
QList<int> unconverted(const ConversionRun &run);
// Converted entries whose output got a numbered name, in list order.
QList<int> renamed(const ConversionRun &run);

// For the alert: file names and reasons.
QList<FailedEntry> failures(const ConversionRun &run);
QList<RenamedEntry> renamedEntries(const ConversionRun &run);
// Converted entries with warnings ("tags not copied: ..."), in list order.
QList<ConvertedWithWarning> warnings(const ConversionRun &run);

// The details of the given entries: input path, reason, where a renamed one
// was saved, the commands that ran and the end of their output.
QList<EntryDetails> details(const ConversionRun &run, const QList<int> &indexes);
} // namespace rundetails

} // namespace quavero
