// SPDX-License-Identifier: GPL-3.0-or-later
// Judging an output by what ffmpeg and sox printed: write errors after which
// they exit 0, a file shorter than ffmpeg reported, and an input that could be
// read only in part (a truncated FLAC), which converts with a warning.
#include "EntryFromPath.h"
#include "QtPrinters.h"
#include "ReliabilitySupport.h"
#include "TestApp.h"

#include "convert/core/OutputCheck.h"
#include "PlanFor.h"
#include "convert/engine/ConversionJob.h"
#include "formats/core/Records.h"
#include "platform/core/BundledPrograms.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace quavero {

using namespace reliability;
using outputcheck::WriteError;

TEST(OutputCheck, WriteErrorsAreFoundWithTheirCause)
{
    const struct {
        const char *output;
        WriteError kind;
    } cases[] = {
        // ffmpeg 5.1 on a full disk, exit status 0.
        {"size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x    Error writing trailer of /o/a.mp3: No space "
         "left on device\nsize=      24kB time=00:00:03.00\nError closing file /o/a.mp3: No space left on device\n",
         WriteError::DiskFull},
        // sox 14.4.2, exit status 0.
        {"sox FAIL sox: `/o/a.wav' error writing output file: No space left on device\n", WriteError::DiskFull},
        {"av_interleaved_write_frame(): Disk quota exceeded\n", WriteError::QuotaUsedUp},
        {"Error writing trailer of /o/a.wav: File too large\n", WriteError::FileTooLarge},
        {"Error closing file /o/a.wav: Input/output error\n", WriteError::Other},
        {"Duration: 00:00:05.00\nsize=      48kB time=00:00:03.00 bitrate= 130.3kbits/s\nvideo:0kB audio:47kB\n",
         WriteError::None},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.output);
        EXPECT_EQ(outputcheck::findWriteError(c.output).kind, c.kind);
    }
    const auto other = outputcheck::findWriteError("Error closing file /o/a.wav: Input/output error\n");
    EXPECT_EQ(outputcheck::writeFailureReason(other),
              "the converted file could not be written: Error closing file /o/a.wav: Input/output error");
    const auto large = outputcheck::findWriteError("Error writing trailer of /o/a.wav: File too large");
    EXPECT_EQ(outputcheck::writeFailureReason(large), "the file is too large for the file system of the destination");
}

TEST(OutputCheck, TheLengthWrittenIsComparedWithTheReport)
{
    const QByteArray report = "size=       0kB time=00:00:00.00\rsize=      48kB time=00:00:03.00 bitrate=...\n";
    ASSERT_EQ(outputcheck::reportedKiB(report), 48);
    EXPECT_EQ(outputcheck::reportedKiB("size=    1024KiB time=00:01:00.00"), 1024);
    EXPECT_FALSE(outputcheck::reportedKiB("no progress at all").has_value());
    EXPECT_TRUE(outputcheck::sizeMatchesReport(48945, 48));
    EXPECT_TRUE(outputcheck::sizeMatchesReport(48 * 1024 - 400, 48)); // rounded up by ffmpeg
    EXPECT_FALSE(outputcheck::sizeMatchesReport(20 * 1024, 48));
    EXPECT_FALSE(outputcheck::sizeMatchesReport(-1, 48));
}

TEST(OutputCheck, AShortOutputIsWarnedOfBeyondTwoPercentAndHalfASecond)
{
    EXPECT_EQ(outputcheck::reportedDuration("  Duration: 00:00:05.00, start: 0.000000, bitrate: 92 kb/s"), 5.0);
    EXPECT_EQ(outputcheck::reportedDuration(" 01:02:03.4"), 3723.4);
    EXPECT_FALSE(outputcheck::reportedDuration(" N/A, start").has_value());
    EXPECT_EQ(outputcheck::writtenSeconds("time=00:00:00.50 bitrate\rtime=00:00:01.20 bitrate"), 1.2);

    EXPECT_EQ(outputcheck::shortOutputWarning(1.2, 5.0), "only 1.2 s of 5.0 s could be read; the file may be damaged");
    EXPECT_EQ(outputcheck::shortOutputWarning(4.6, 5.0), "") << "0.4 s short: within half a second";
    EXPECT_EQ(outputcheck::shortOutputWarning(590.0, 600.0), "") << "10 s of 600 s: within 2 %";
    EXPECT_NE(outputcheck::shortOutputWarning(580.0, 600.0), "");
    EXPECT_EQ(outputcheck::shortOutputWarning(5.02, 5.0), "") << "longer is never damage";
    EXPECT_EQ(outputcheck::shortOutputWarning(1.0, 0.0), "") << "no duration known";
}

namespace {
ConversionResult convert(const QString &input, int format, const FormatRecords &records)
{
    return testentries::runPlan(testentries::planFor(format, testentries::entryFor(input, 5),
                                                     testenv::freshFolder(QStringLiteral("damaged-out")), records));
}
} // namespace

TEST(DamagedInput, ATruncatedFlacConvertsWithAWarningOnEitherRoute)
{
    const QString in = testenv::freshFolder(QStringLiteral("damaged-in"));
    const QString whole = makeFlac(in + QStringLiteral("/whole.flac"), 5.0);
    ASSERT_FALSE(whole.isEmpty());
    const QString cut = in + QStringLiteral("/cut.flac");
    ASSERT_TRUE(QFile::copy(whole, cut));
    ASSERT_TRUE(QFile::resize(cut, QFileInfo(whole).size() / 4));
    const FormatRecords records = startRecords();
    static const QRegularExpression warning(
        QStringLiteral("^only [0-9]+\\.[0-9] s of 5\\.0 s could be read; the file may be damaged$"));

    for (const int format : {8, 12}) { // .MP3 straight from ffmpeg, .WAV through sox
        SCOPED_TRACE(format);
        const ConversionResult damaged = convert(cut, format, records);
        EXPECT_TRUE(damaged.ok) << damaged.reason.toStdString();
        ASSERT_EQ(damaged.warnings.size(), 1);
        EXPECT_TRUE(warning.match(damaged.warnings[0]).hasMatch()) << damaged.warnings[0].toStdString();

        const ConversionResult intact = convert(whole, format, records);
        EXPECT_TRUE(intact.ok) << intact.reason.toStdString();
        EXPECT_TRUE(intact.warnings.isEmpty()) << intact.warnings.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(DamagedInput, TheSpeedEffectIsNoDamage)
{
    const QString in = testenv::freshFolder(QStringLiteral("speed-in"));
    const QString whole = makeFlac(in + QStringLiteral("/whole.flac"), 5.0);
    ASSERT_FALSE(whole.isEmpty());
    FormatRecords records = startRecords();
    records.m_AF_WAV.setF_Speed(2.0f); // half as long an output
    const ConversionResult result = convert(whole, 12, records);
    EXPECT_TRUE(result.ok) << result.reason.toStdString();
    EXPECT_TRUE(result.warnings.isEmpty()) << result.warnings.join(QLatin1Char(' ')).toStdString();
}

} // namespace quavero
