// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loudness side of one entry's conversion, so the job that runs the
// stages only hands things over: the audio a stage sends to its standard
// output is measured here; a measuring pass gives the normalising gain the
// next stage applies; the track's fields go into the finished temporary file
// before it is published, and its gating blocks to the run's album gains
// after. Too short or silent audio gets no fields and a warning; the entry
// is converted all the same.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "convert/core/EntryPlan.h"
#include "loudness/core/Normalize.h"
#include "loudness/engine/BackgroundMeter.h"

namespace quavero {

class RunGains;

class EntryGains {
public:
    // run: the run's album gains; null when the run writes none.
    void begin(const EntryPlan &plan, std::shared_ptr<RunGains> run);
    // The stage's arguments with the normalising gain in place.
    QStringList arguments(const PlannedStage &stage) const;
    // Where the stage's standard output goes: the meter, or nowhere.
    std::function<void(const QByteArray &)> standardOutput(const PlannedStage &stage);
    // The stage ended well: what its audio measured is taken. Warnings for
    // the entry ("too short to measure", "reached -17.2 LUFS of -14: peak limit").
    QStringList stageDone(const PlannedStage &stage);
    // Writes the track's fields into the finished file (its temporary name),
    // after the tag copy; warnings when they could not be written.
    QStringList tagOutput(const QString &path);
    // The entry is published (true) or ended without an output: the album
    // learns of it. Warnings about the album pair.
    QStringList ended(bool published, bool stopping);

    const NormalizeGain &normalizeGain() const { return m_gain; }
    const LoudnessMeasurement &track() const { return m_track; }

private:
    EntryPlan m_plan;
    std::shared_ptr<RunGains> m_run;
    std::unique_ptr<BackgroundMeter> m_stream; // the stage being measured, beside it
    LoudnessMeasurement m_track;
    LoudnessMeter m_trackMeter; // its blocks, for the album
    NormalizeGain m_gain;
    bool m_measured = false; // the track's audio went through the meter
    bool m_ended = false;
};

} // namespace quavero
