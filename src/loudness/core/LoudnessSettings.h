// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a run does about loudness: the loudness tags it writes (none, each
// track's, or each track's and its album's) and the loudness it normalises
// the audio to, if any. Pure data with the words both front ends read it from.
#include <QString>
#include <QStringList>
#include <optional>

namespace quavero {

enum class GainTagMode { None, Track, Album };

struct LoudnessSettings {
    GainTagMode tags = GainTagMode::None;
    bool normalize = false;
    double targetLufs = -16.0; // the level normalising aims at, when normalize is set
    bool operator==(const LoudnessSettings &o) const
    {
        return tags == o.tags && normalize == o.normalize && (!normalize || targetLufs == o.targetLufs);
    }
};

namespace loudness {
// "none", "track", "album": the command line's and the stored preference's words.
QString modeName(GainTagMode mode);
std::optional<GainTagMode> modeFromName(const QString &name);
// "-16", "-23.5", "-16 LUFS": a target the option takes (kLowestTarget to
// kHighestTarget); nothing for any other text.
std::optional<double> targetFromText(const QString &text);
// "-16", "-23.5": a target as the command line and the preferences write it.
QString targetText(double lufs);
// The settings from the preferences store: the tags' mode name, and the
// normalising target's text ("" when off). Anything unreadable is off.
LoudnessSettings fromStored(const QString &tags, const QString &normalize);
// The words the settings add to the outputs' fingerprint: a run with other
// loudness settings makes other files.
QStringList fingerprintWords(const LoudnessSettings &settings);
} // namespace loudness

} // namespace quavero
