// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A job list: a run planned on one machine and carried out elsewhere, one
// entry at a time, by any number of workers. It is a JSON Lines file: the
// first line says what the run converts with, each further line is one
// entry of the plan. A line is data, never a command: a worker builds the
// programs' argument vectors with its own planner from the settings of the
// first line and the paths of the job's line. Plain data.
#include <QString>
#include <QVector>

#include "presets/core/Preset.h"

namespace quavero {

namespace jobs {
// The version of the list's layout; a worker refuses a list of another.
constexpr int kVersion = 1;
} // namespace jobs

// The first line: what every job of the list converts with.
struct JobListHeader {
    int version = jobs::kVersion;
    QString planId;              // tells this plan's results from those of an earlier list of the same name
    QString program;             // the program and version that planned it ("quavero-cli 1.4.0"); informative
    QString inputRoot;           // absolute; the jobs' inputs are relative to it
    QString outputRoot;          // absolute; the jobs' outputs are relative to it
    QString format;              // the format's command-line name: "mp3"
    QVector<NamedValue> options; // the format's options by name, the effects left out
    QVector<NamedValue> effects; // speed, gain, treble and bass, for formats that have them
    bool copyTags = true;
    bool keepStructure = true;
    qint64 jobCount = 0;
};

// One job: one entry of the plan.
struct JobLine {
    qint64 index = 0;     // 0-based, the line's place after the first
    QString input;        // relative to the input root, '/' between folders
    QString output;       // the planned output, relative to the output root
    bool renamed = false; // the output has a numbered name because another entry has the same name
};

} // namespace quavero
