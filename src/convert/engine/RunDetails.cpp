// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/RunDetails.h"

#include "convert/engine/ConversionRun.h"
#include "cue/core/TrackEntry.h"

namespace quavero {

namespace rundetails {
namespace {
EntryFate fateOf(EntryState state, PlanAction action)
{
    switch (state) {
    case EntryState::Converted:
        return action == PlanAction::Copy     ? EntryFate::Copied
               : action == PlanAction::Remove ? EntryFate::Removed
                                              : EntryFate::Converted;
    case EntryState::Skipped:
        return EntryFate::UpToDate;
    case EntryState::Failed:
        return EntryFate::Failed;
    default:
        return EntryFate::NotConverted;
    }
}

// A converted, copied or removed entry's output: its name to the user.
bool done(EntryFate fate)
{
    return fate == EntryFate::Converted || fate == EntryFate::Copied || fate == EntryFate::Removed;
}
} // namespace

RunOutcome outcome(const ConversionRun &run, const std::function<QString(const QString &)> &shown, int stopSignal)
{
    RunOutcome o;
    o.diskFull = run.stoppedByFullDisk();
    o.stopSignal = stopSignal;
    o.notes = run.plan().warnings;
    o.entries.reserve(run.entryCount());
    for (int i = 0; i < run.entryCount(); ++i) {
        const EntryPlan &plan = run.entry(i);
        const ConversionResult &result = run.result(i);
        EntryOutcome e;
        e.fate = fateOf(run.state(i), plan.action);
        const ImageTrack &track = plan.input.m_Track();
        e.name = track.isTrack() ? cue::shownTrack(shown(track.sheetPath), plan.input.s_File_Name_Without_Extension())
                                 : shown(plan.input.s_File_Path());
        e.reason = result.reason;
        e.leftByFullDisk = e.fate == EntryFate::NotConverted && o.diskFull && !result.reason.isEmpty();
        e.renamed = (e.fate == EntryFate::Converted || e.fate == EntryFate::Copied) && plan.renamed;
        if (done(e.fate)) {
            e.savedAs = shown(result.finalPath);
            e.warnings = result.warnings;
            e.namingNote = plan.namingNote;
        }
        if (e.fate != EntryFate::UpToDate && (!done(e.fate) || e.renamed)) {
            e.details.inputPath = plan.input.s_File_Path();
            if (!result.ok)
                e.details.reason = result.reason;
            else
                e.details.savedAs = result.finalPath;
            e.details.rawMessage = result.rawMessage;
            e.details.programs = result.programs;
        }
        o.entries.append(e);
    }
    return o;
}
} // namespace rundetails

} // namespace quavero
