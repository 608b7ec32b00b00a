// Failure reasons and the alert that ends a run.
#include "QtPrinters.h"
#include "convert/core/FailureReason.h"
#include "convert/core/RunReport.h"

#include <gtest/gtest.h>

TEST(FailureReason, LastMeaningfulLineSkipsProgressAndClosingLines)
{
    const QByteArray ffmpeg = "ffmpeg version 5.1\n  built with gcc\n"
                              "/m/bad.wav: Invalid data found when processing input\n";
    EXPECT_EQ(failure::lastMeaningfulLine(ffmpeg), "/m/bad.wav: Invalid data found when processing input");
    const QByteArray encoder = "Stream mapping:\n"
                               "[libmp3lame @ 0x1] Error opening encoder\r\n"
                               "size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x\r"
                               "video:0kB audio:0kB subtitle:0kB other streams:0kB global headers:0kB\n"
                               "Conversion failed!\n\n";
    EXPECT_EQ(failure::lastMeaningfulLine(encoder), "[libmp3lame @ 0x1] Error opening encoder");
    EXPECT_EQ(failure::lastMeaningfulLine("\n\n"), "");
    EXPECT_LE(failure::lastMeaningfulLine(QByteArray(1000, 'x')).size(), 200);
}

TEST(FailureReason, ExitReasonNamesTheProgram)
{
    EXPECT_EQ(failure::exitReason("sox", 2, "sox FAIL formats: can't open input file `x'\n"),
              "sox failed: sox FAIL formats: can't open input file `x'");
    EXPECT_EQ(failure::exitReason("ffmpeg", 1, ""), "ffmpeg failed with exit status 1");
}

TEST(RunReport, EveryFileConvertedIsSuccess)
{
    const RunAlert a = runreport::endOfRun(3, {});
    EXPECT_EQ(a.message, "Success");
    EXPECT_EQ(a.informative, "Audio files were converted successfully.");
    EXPECT_EQ(a.buttons, QStringList({"Open Output Folder", "Close"}));
    EXPECT_EQ(a.openFolderButton, 0);
}

TEST(RunReport, FailuresAreCountedAndListed)
{
    const RunAlert some = runreport::endOfRun(3, {{"bad.wav", "ffmpeg failed: x"}, {"a.mp3", "the output would replace an input file"}});
    EXPECT_EQ(some.message, "2 of 3 files could not be converted.");
    EXPECT_TRUE(some.informative.contains("bad.wav: ffmpeg failed: x"));
    EXPECT_TRUE(some.informative.contains("a.mp3: the output would replace an input file"));
    EXPECT_EQ(some.buttons, QStringList({"Open Output Folder", "Close"}));

    const RunAlert all = runreport::endOfRun(2, {{"a", "r"}, {"b", "r"}});
    EXPECT_EQ(all.message, "2 of 2 files could not be converted.");
    EXPECT_EQ(all.buttons, QStringList({"Close"}));
    EXPECT_EQ(all.openFolderButton, -1);
}
