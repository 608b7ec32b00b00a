// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The duration of an input file as ffmpeg reports it. Running "ffmpeg -i
// <file>" without an output prints a report whose "Duration:" line gives the
// length; the list shows the text that follows it and converts it to seconds.
#include <QString>

namespace quavero {

namespace filelist {
// The 11 characters that follow the first "Duration:" in the report
// (" 00:03:25.4" for "Duration: 00:03:25.40, start: ..."). An empty text when
// the report has no "Duration:" or too little text after it.
QString durationTextFromReport(const QString &report);

// Whole seconds of a duration text: characters 1-2 are hours, 4-5 minutes and
// 7-8 seconds, each read as its leading decimal integer (0 when there is none).
// " 01:02:03.0" gives 3723, " N/A, start" and "" give 0.
qint64 secondsFromDurationText(const QString &text);
} // namespace filelist

} // namespace quavero
