// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/core/MirrorPlan.h"

#include "mirror/core/Orphans.h"
#include "mirror/core/RecordTable.h"
#include "mirror/core/RecordedPath.h"
#include "mirror/core/UpToDate.h"

#include <QCoreApplication>

namespace quavero {

namespace mirror {
namespace {
struct MirrorText {
    Q_DECLARE_TR_FUNCTIONS(LibraryRecord)
};

// Up to date or not, for an entry that would convert.
void decideFreshness(EntryPlan &entry, const PlanWorld &world)
{
    const std::optional<FileStamp> output = world.outputStamp(entry.finalPath);
    if (output)
        entry.outputStamp = *output;
    FreshnessQuestion question;
    question.input = entry.input.s_File_Path();
    question.inputNow = entry.inputStamp;
    question.output = entry.recordOutput;
    question.outputNow = output;
    question.fingerprint = entry.fingerprint;
    const Freshness verdict = freshness(world.record, question);
    if (!skips(verdict))
        return;
    entry.action = PlanAction::Skip;
    entry.note = describe(verdict);
    entry.unrecorded = verdict == Freshness::NewerThanInput;
    entry.stages.clear();
}

void planOrphans(RunPlan &plan, const QList<PlanInput> &inputs, const PlanWorld &world)
{
    OrphanQuestion question;
    for (const PlanInput &input : inputs)
        question.runInputs.insert(input.entry.s_File_Path());
    question.root = plan.destinationFolder;
    question.throughLink = world.throughLink;
    question.stampOf = [&](const QString &relative) {
        return world.outputStamp(plan.destinationFolder + QLatin1Char('/') + relative);
    };
    const OrphanDecision decision = orphans(*world.record, question);
    for (const RecordRow &row : decision.remove) {
        EntryPlan entry;
        entry.action = PlanAction::Remove;
        entry.formatIndex = plan.settings.formatIndex;
        entry.input.setS_File_Path(row.input);
        entry.finalPath = plan.destinationFolder + QLatin1Char('/') + row.output;
        entry.recordOutput = row.output;
        entry.outputStamp = row.outputStamp;
        plan.entries.append(entry);
    }
    for (const QString &kept : decision.keptChanged)
        plan.warnings << MirrorText::tr("%1 was kept: its input is gone, but it was changed after it was converted")
                             .arg(plan.destinationFolder + QLatin1Char('/') + kept);
    for (const RefusedPath &refused : decision.refused)
        plan.warnings << MirrorText::tr("the record lists \"%1\", which %2; nothing was removed for it")
                             .arg(refused.path, describe(refused.problem));
    plan.forgottenOutputs = decision.forget;
}
} // namespace

QString recordedOutput(const QString &destinationFolder, const QString &finalPath)
{
    const QString prefix = destinationFolder + QLatin1Char('/');
    return finalPath.startsWith(prefix) ? finalPath.mid(prefix.size()) : finalPath;
}

void planMirror(RunPlan &plan, const QList<PlanInput> &inputs, const PlanWorld &world)
{
    const QString fingerprint = runplan::fingerprintOf(plan.settings);
    for (EntryPlan &entry : plan.entries) {
        if (entry.action != PlanAction::Convert && entry.action != PlanAction::Copy)
            continue;
        entry.fingerprint = fingerprint;
        entry.recordOutput = recordedOutput(plan.destinationFolder, entry.finalPath);
        const std::optional<FileStamp> input = world.inputStamp(entry.input.s_File_Path());
        if (!input)
            continue; // gone since it was added: converting it says so
        entry.inputStamp = *input;
        if (plan.settings.update)
            decideFreshness(entry, world);
    }
    if (plan.settings.deleteOrphans && world.record)
        planOrphans(plan, inputs, world);
}
} // namespace mirror

} // namespace quavero
