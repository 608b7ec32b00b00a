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

namespace quavero {

enum class PlanAction {
    Convert, // run the stages, then publish the result under the final path
    Fail,    // cannot be converted at all; the plan's problem says why
};

enum class StageProgram { Ffmpeg, Sox };

// One program run of an entry.
struct PlannedStage {
    StageProgram program = StageProgram::Ffmpeg;
    QStringList arguments; // the argument vector, program path not included
    QString output;        // the path the stage writes
};

struct EntryPlan {
    PlanAction action = PlanAction::Convert;
    qint64 formatIndex = formats::kDefaultIndex; // the output format
    NodeVideoFile input;
    QString problem;      // for Fail: why, in plain words
    OutputName output;    // subfolder below the destination and base name
    bool renamed = false; // numbered, because another entry of the run has the same output name
    QString finalFolder;
    QString finalPath;
    // The file ffmpeg writes for sox to read (in the work folder); empty when
    // ffmpeg writes the final path itself.
    QString intermediatePath;
    QList<PlannedStage> stages; // in the order they run
    // The file whose tags and pictures go into the output; empty when none are copied.
    QString tagSource;

    // Every path the entry's programs write.
    QStringList writes() const
    {
        QStringList paths;
        for (const PlannedStage &stage : stages)
            paths << stage.output;
        return paths;
    }
};

struct RunPlan {
    SettingsSnapshot settings;
    QString destinationFolder; // absolute
    QString workFolder;        // where the files for sox go
    QList<EntryPlan> entries;  // in list order
};

} // namespace quavero
