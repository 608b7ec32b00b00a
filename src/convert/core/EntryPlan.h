// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a run will do with each entry, decided before anything runs: the
// action, the input, the final path and the paths it is written through, the
// programs with their argument vectors, and where the tags come from. The
// window's run, quavero-cli's run and its dry run all execute or print this
// same plan. Pure data.
#include <QList>
#include <QString>
#include <QStringList>

#include "convert/core/EncoderCommand.h"
#include "convert/core/SettingsSnapshot.h"
#include "filelist/core/NodeVideoFile.h"
#include "loudness/core/MeteredArguments.h"
#include "mirror/core/RecordRow.h"

namespace quavero {

enum class PlanAction {
    Convert, // run the stages, then publish the result under the final path
    Copy,    // the input already is in the output format: copied byte for byte, then published
    Skip,    // the output is up to date: nothing to do
    Remove,  // an output the record lists whose input is gone: removed
    Fail,    // cannot be converted at all; the plan's problem says why
};

enum class StageProgram { Ffmpeg, Sox };

// One program run of an entry.
struct PlannedStage {
    StageProgram program = StageProgram::Ffmpeg;
    QStringList arguments;               // the argument vector, program path not included
    QString output;                      // the path the stage writes; empty for a pass that only measures
    LoudnessTap tap = LoudnessTap::None; // what its standard output's audio is measured for
};

struct EntryPlan {
    PlanAction action = PlanAction::Convert;
    qint64 formatIndex = formats::kDefaultIndex; // the output format
    NodeVideoFile input;                         // for Remove, only its path: the input that is gone
    QString problem;                             // for Fail: why, in plain words
    QString note;                                // for Skip: why ("up to date"); for Copy: why copied
    OutputName output;                           // subfolder below the destination and base name
    bool renamed = false;                        // numbered, because another entry of the run has the same output name
    QString namingNote; // why the name template left the entry its input's name; "" when it named it
    QString finalFolder;
    QString finalPath;
    // Every file is written under a temporary name beside the final one and
    // published under the final name only when it is whole:
    QString intermediatePath;   // what ffmpeg writes for sox to read; empty when sox does not follow
    QString publishPath;        // what goes under the final name once complete (Convert, Copy)
    QString tagScratchPath;     // where the tag step writes its tagged copy
    QList<PlannedStage> stages; // in the order they run
    // The file whose tags and pictures go into the output; empty when none are copied.
    QString tagSource;
    // The loudness tags the output gets (none for a format that holds none)
    // and the level it is normalised to.
    LoudnessSettings loudness;

    // For the destination's record: the output relative to the destination,
    // the input as it was when planned, the settings' fingerprint.
    QString recordOutput;
    FileStamp inputStamp;
    QString fingerprint;
    FileStamp outputStamp;   // the output as found: for Remove what it must still be, for Skip what the record notes
    bool unrecorded = false; // Skip: up to date by its age alone; the record has no row for it yet

    // A stage's arguments as the user reads them: the file the run renames
    // when it is whole is named by its final name.
    QStringList shownArguments(const PlannedStage &stage) const
    {
        QStringList arguments = stage.arguments;
        if (!publishPath.isEmpty())
            arguments.replaceInStrings(publishPath, finalPath);
        return arguments;
    }

    // Every path the entry writes, the final one included.
    QStringList writes() const
    {
        QStringList paths;
        for (const PlannedStage &stage : stages)
            if (!stage.output.isEmpty())
                paths << stage.output;
        for (const QString &path : {publishPath, tagScratchPath, finalPath})
            if (!path.isEmpty() && !paths.contains(path))
                paths << path;
        return paths;
    }
};

struct RunPlan {
    SettingsSnapshot settings;
    QString destinationFolder; // absolute
    qint64 processId = 0;      // the process the temporary names are written by
    QList<EntryPlan> entries;  // the list's entries in list order, then the outputs to remove
    // What the user should read about the destination's record: paths it
    // lists that were refused, outputs kept because they were changed.
    QStringList warnings;
    // Outputs the record lists that are gone already: only their rows go.
    QStringList forgottenOutputs;
};

} // namespace quavero
