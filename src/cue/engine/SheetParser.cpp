// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/engine/SheetParser.h"

#include <QSet>

#include <libcue.h>

#include <memory>
#include <mutex>

namespace quavero {

namespace cue {
namespace {
std::mutex parserLock;

// libcue's scanner keeps its start condition from one parse to the next. A
// sheet that ends inside a statement (a TITLE or REM REPLAYGAIN_... line
// without its value) leaves it in a state that would swallow the first line
// of the next sheet. Parsing this complete sheet afterwards brings the
// scanner back to its first state from any state it can be left in.
constexpr const char *kScannerReset = "FILE \"reset.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n";

using CdPointer = std::unique_ptr<Cd, decltype(&cd_delete)>;

QString utf8Text(const char *s) { return s ? QString::fromUtf8(s) : QString(); }

CueTrack trackOf(const Track *t, int number)
{
    CueTrack track;
    track.number = number;
    track.audio = track_get_mode(t) == MODE_AUDIO;
    track.file = utf8Text(track_get_filename(t));
    track.index00 = track_get_index(t, 0);
    track.index01 = track_get_index(t, 1);
    const Cdtext *cdtext = track_get_cdtext(t);
    track.title = utf8Text(cdtext_get(PTI_TITLE, cdtext));
    track.performer = utf8Text(cdtext_get(PTI_PERFORMER, cdtext));
    track.composer = utf8Text(cdtext_get(PTI_COMPOSER, cdtext));
    if (track.composer.isEmpty())
        track.composer = utf8Text(cdtext_get(PTI_SONGWRITER, cdtext));
    track.isrc = utf8Text(track_get_isrc(t));
    track.genre = utf8Text(cdtext_get(PTI_GENRE, cdtext));
    track.date = utf8Text(rem_get(REM_DATE, track_get_rem(t)));
    return track;
}

// libcue gives a track whose FILE line comes after its INDEX 00 (the pregap
// at the end of the file before, as rippers write multi-file sheets) the new
// file, but the tracks after it the old one again. A sheet never goes back to
// a file it has left, so such a track continues in the file of the track
// before it.
void continueInNewFiles(QList<CueTrack> &tracks)
{
    QSet<QString> left;
    for (int i = 1; i < tracks.size(); ++i) {
        const QString &before = tracks[i - 1].file;
        if (tracks[i].file == before)
            continue;
        if (left.contains(tracks[i].file)) {
            tracks[i].file = before;
        } else {
            left.insert(before);
        }
    }
}

CueSheet sheetOf(const Cd *cd)
{
    CueSheet sheet;
    const Cdtext *cdtext = cd_get_cdtext(cd);
    sheet.title = utf8Text(cdtext_get(PTI_TITLE, cdtext));
    sheet.performer = utf8Text(cdtext_get(PTI_PERFORMER, cdtext));
    sheet.genre = utf8Text(cdtext_get(PTI_GENRE, cdtext));
    sheet.date = utf8Text(rem_get(REM_DATE, cd_get_rem(cd)));
    const int count = cd_get_ntrack(cd);
    for (int i = 1; i <= count; ++i) {
        if (const Track *t = cd_get_track(cd, i))
            sheet.tracks << trackOf(t, i);
    }
    continueInNewFiles(sheet.tracks);
    return sheet;
}
} // namespace

ParsedSheet parse(const QByteArray &text)
{
    ParsedSheet result;
    const std::lock_guard<std::mutex> lock(parserLock);
    const CdPointer cd(cue_parse_string(text.constData()), &cd_delete);
    if (cd && cd_get_ntrack(cd.get()) > 0) {
        result.ok = true;
        result.sheet = sheetOf(cd.get());
    }
    const CdPointer reset(cue_parse_string(kScannerReset), &cd_delete);
    return result;
}
} // namespace cue

} // namespace quavero
