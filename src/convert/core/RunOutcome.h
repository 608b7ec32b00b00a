// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What became of every entry of a run, for both front ends: the window's
// end-of-run alert and quavero-cli's summary are two renderings of it. Pure.
#include <QList>
#include <QString>
#include <QStringList>

#include "convert/core/EntryDetails.h"

namespace quavero {

enum class EntryFate {
    Converted,
    Copied,   // already in the output format: copied byte for byte
    UpToDate, // its output was up to date: nothing done
    Removed,  // an output whose input is gone, removed
    Failed,
    NotConverted, // stopped, cancelled, or left waiting when the disk was full
};

struct EntryOutcome {
    EntryFate fate = EntryFate::NotConverted;
    QString name;   // the input, as the front end shows it
    QString reason; // why it failed, or why it was not converted; may be empty when stopped
    bool leftByFullDisk = false;
    bool renamed = false; // saved under a numbered name
    QString savedAs;      // the output, as the front end shows it (converted, copied and removed entries)
    QStringList warnings; // of a converted entry ("tags not copied: ...")
    QString namingNote;   // of a converted or copied entry the name template could not name: why it kept its own name
    EntryDetails details; // commands and their output; filled for failed, left and renamed entries
};

struct RunOutcome {
    QList<EntryOutcome> entries; // in list order
    bool diskFull = false;       // a full disk ended the run: the rest were not converted
    int stopSignal = 0;          // the signal that stopped the run; 0 when it ran to its end
    QStringList notes;           // about the destination's record: refused paths, changed outputs kept
    int count(EntryFate fate) const;
    // True when the run found nothing to do: every entry was up to date.
    bool allUpToDate() const;
};

// The lists the renderings show.
struct FailedEntry {
    QString fileName; // the input as shown, "a b.wav"
    QString reason;   // short reason, "ffmpeg failed: ..."
};

// An entry converted under a numbered name because another entry of the run
// has the same output name.
struct RenamedEntry {
    QString fileName; // the input as shown, "a.flac"
    QString savedAs;  // the output as shown, "a (2).mp3"
};

// An entry converted all the same, with something the user should know.
struct ConvertedWithWarning {
    QString fileName; // "a b.mp3"
    QString warning;  // "tags not copied: ..."
};

namespace outcome {
// The entries that failed and, after a full disk, those left waiting, in list order.
QList<FailedEntry> unconverted(const RunOutcome &run);
// Only the entries that failed.
QList<FailedEntry> failed(const RunOutcome &run);
// The entries left waiting because the disk was full.
QStringList leftByFullDisk(const RunOutcome &run);
QList<RenamedEntry> renamed(const RunOutcome &run);
QList<ConvertedWithWarning> warnings(const RunOutcome &run);
// The converted and copied entries the name template could not name, each
// with why it kept its input's name ("named after the input: it has no {album}").
QList<ConvertedWithWarning> namedAfterInput(const RunOutcome &run);
// The outputs removed as orphans, as shown.
QStringList removed(const RunOutcome &run);
// "12 converted, 5,230 up to date, 3 copied, 2 removed, 1 failed": the
// counts of a run, up to date, copied and removed only when there are any.
QString countsText(const RunOutcome &run);
// The details of the given fates, renamed converted entries included when
// withRenamed, in list order.
QList<EntryDetails> details(const RunOutcome &run, bool withLeft, bool withRenamed);
} // namespace outcome

} // namespace quavero
