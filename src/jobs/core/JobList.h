// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A job list: a run planned on one machine and carried out elsewhere, one
// entry at a time, by any number of workers. It is a JSON Lines file: the
// first line says what the run converts with, each further line is one
// entry of the plan. A line is data, never a command: a worker builds the
// programs' argument vectors with its own planner from the settings of the
// first line and the paths of the job's line. Plain data.
#include <QMap>
#include <QString>
#include <QStringList>
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

// A job that is one track of an album image; its input is the image. The
// worker cuts the same samples and writes the same tags as the local run.
struct JobTrack {
    QString sheet;                   // relative to the input root; the image itself for a sheet inside it
    QString name;                    // as the list shows it: "01 First Light"
    int number = 0;                  // the track's place among the sheet's audio tracks, 1..count; 0: no track
    int count = 0;                   // the sheet's audio tracks
    qint64 start = 0;                // the track's first sample in the image
    qint64 end = -1;                 // the sample after its last; -1: to the end of the image
    int sampleRate = 0;              // the image's
    QMap<QString, QStringList> tags; // the sheet's fields for the track

    bool isTrack() const { return number > 0; }
};

// One job: one entry of the plan.
struct JobLine {
    JobLine() = default;
    JobLine(qint64 index_, QString input_, QString output_, bool renamed_ = false, JobTrack track_ = JobTrack())
        : index(index_), input(std::move(input_)), output(std::move(output_)), renamed(renamed_), track(std::move(track_))
    {
    }

    qint64 index = 0;     // 0-based, the line's place after the first
    QString input;        // relative to the input root, '/' between folders
    QString output;       // the planned output, relative to the output root
    bool renamed = false; // the output has a numbered name because another entry has the same name
    JobTrack track;       // for a track of an album image; none for a whole file
};

} // namespace quavero
