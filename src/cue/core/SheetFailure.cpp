// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/core/SheetFailure.h"

#include <QCoreApplication>

namespace quavero {

namespace cue {
namespace {
// The texts are translated in the context "CueSheet".
struct FailureText {
    Q_DECLARE_TR_FUNCTIONS(CueSheet)
};

QString what(const SheetFailure &f)
{
    switch (f.kind) {
    case FailureKind::None:
        break;
    case FailureKind::Unreadable:
        return FailureText::tr("the sheet cannot be read (%1); check that the file is there and that you may read it")
            .arg(f.detail);
    case FailureKind::TooLarge:
        return FailureText::tr(
            "the file is far too large for a CUE sheet; check that it is the sheet of an album image");
    case FailureKind::NotText:
        return FailureText::tr(
            "the sheet's text is in no encoding Quavero can read; save it as UTF-8 and add it again");
    case FailureKind::NotASheet:
        return FailureText::tr(
            "this is not a CUE sheet Quavero can read; check that it has FILE, TRACK and INDEX lines");
    case FailureKind::NoEmbeddedSheet:
        return FailureText::tr("the file holds no CUE sheet; add the sheet's .cue file instead");
    case FailureKind::NoAudioTracks:
        return FailureText::tr("the sheet lists no audio track; there is nothing to convert");
    case FailureKind::TrackWithoutFile:
        return FailureText::tr(
                   "track %1 lies in no file, as the sheet has no FILE line before it; add that line to the "
                   "sheet")
            .arg(f.track);
    case FailureKind::TrackWithoutStart:
        return FailureText::tr(
                   "track %1 has no INDEX 01 line, so where it starts is unknown; add that line to the sheet")
            .arg(f.track);
    case FailureKind::OutOfOrder:
        return FailureText::tr("track %1 does not start after the track before it in %2; correct the INDEX 01 times in "
                               "the sheet")
            .arg(QString::number(f.track), f.file);
    case FailureKind::MissingImage:
        return FailureText::tr(
                   "the sheet names %1, which is not in its folder; put the file beside the sheet or correct "
                   "the sheet's FILE line")
            .arg(f.file);
    case FailureKind::UnreadableImage:
        return FailureText::tr(
                   "%1, which the sheet names, cannot be read as audio; check that it is a complete audio file")
            .arg(f.file);
    case FailureKind::StartsAfterEnd:
        return FailureText::tr("track %1 starts after the end of %2; check that the sheet belongs to this file")
            .arg(QString::number(f.track), f.file);
    }
    return QString();
}
} // namespace

QString SheetFailure::text() const
{
    if (kind == FailureKind::None)
        return QString();
    return QStringLiteral("%1: %2").arg(source, what(*this));
}

QString SheetFailure::reason() const { return kind == FailureKind::None ? QString() : what(*this); }
} // namespace cue

} // namespace quavero
