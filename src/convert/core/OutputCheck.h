// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Judging what ffmpeg and sox wrote from what they printed. Both can exit 0
// after a failed write (ffmpeg when the trailer of a short file cannot be
// written, sox 14.4 after "error writing output file"), so their exit status
// alone would take a cut-off file for a converted one. Pure.
#include <QByteArray>
#include <QString>
#include <optional>

namespace quavero {

namespace outputcheck {
enum class WriteError {
    None,
    DiskFull,     // "No space left on device"
    QuotaUsedUp,  // "Disk quota exceeded"
    FileTooLarge, // "File too large"
    Other,        // a failed write without a known cause
};

struct WriteProblem {
    WriteError kind = WriteError::None;
    QString line; // the line of the output that tells it
};

// The first failed write in ffmpeg's or sox's output ("Error writing
// trailer", "Error closing file", "av_interleaved_write_frame()", sox's
// "error writing output file", or a line naming one of the causes above).
WriteProblem findWriteError(const QByteArray &output);

// The size of the last "size=" field of ffmpeg's progress lines, in KiB;
// nothing when the output has none.
std::optional<qint64> reportedKiB(const QByteArray &output);
// True when a file of fileBytes bytes is what ffmpeg reported as reportedKiB
// (it prints the size rounded to whole KiB).
bool sizeMatchesReport(qint64 fileBytes, qint64 reportedKiB);

// The input's duration in seconds from the first "Duration: hh:mm:ss.ff" of
// ffmpeg's report (also the list's duration text " 00:00:05.0"); nothing for
// "N/A" or when there is none.
std::optional<double> reportedDuration(const QString &text);
// The seconds ffmpeg wrote: the last "time=hh:mm:ss.ff" of its progress lines.
std::optional<double> writtenSeconds(const QByteArray &output);
// True when ffmpeg says the input's duration is only an estimate (from the
// bitrate of a file without an index), which is too rough to judge by.
bool durationIsEstimate(const QByteArray &output);

// The warning for an output of written seconds from an input of expected
// seconds, or an empty text when it is complete: an output shorter by more
// than 2 % and by more than 0.5 s means the input could not be read to its
// end. "only 1.2 s of 5.0 s could be read; the file may be damaged".
QString shortOutputWarning(double written, double expected);
} // namespace outputcheck

namespace outputcheck {
// The reason for an entry whose write failed for a cause other than a full
// disk (which the plain failure reasons say): a file too large for the file
// system, or a failed write of no known cause.
QString writeFailureReason(const WriteProblem &problem);
} // namespace outputcheck

} // namespace quavero
