// SPDX-License-Identifier: GPL-3.0-or-later
// Failure reasons, the alert that ends a run and its details.
#include "QtPrinters.h"
#include "convert/core/EntryDetails.h"
#include "convert/core/FailureReason.h"
#include "convert/core/RunReport.h"

#include <gtest/gtest.h>

namespace quavero {

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

TEST(FailureReason, ALongLineKeepsItsCauseAtTheEnd)
{
    const QByteArray path = "/home/u/Documents/Quavero/" + QByteArray(250, 'n') + "001.wav";
    const QString line = failure::lastMeaningfulLine(path + ": File name too long\nConversion failed!\n");
    EXPECT_EQ(line.size(), 200);
    EXPECT_TRUE(line.startsWith("/home/u/Documents/Quavero/nnn")) << line.toStdString();
    EXPECT_TRUE(line.endsWith("nnn001.wav: File name too long")) << line.toStdString();
    EXPECT_TRUE(line.contains("...")) << line.toStdString();
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
    const RunAlert some =
        runreport::endOfRun(3, {{"bad.wav", "ffmpeg failed: x"}, {"a.mp3", "the output would replace an input file"}});
    EXPECT_EQ(some.message, "2 of 3 files could not be converted.");
    EXPECT_TRUE(some.informative.contains("bad.wav: ffmpeg failed: x"));
    EXPECT_TRUE(some.informative.contains("a.mp3: the output would replace an input file"));
    EXPECT_EQ(some.buttons, QStringList({"Open Output Folder", "Close"}));

    const RunAlert all = runreport::endOfRun(2, {{"a", "r"}, {"b", "r"}});
    EXPECT_EQ(all.message, "2 of 2 files could not be converted.");
    EXPECT_EQ(all.buttons, QStringList({"Close"}));
    EXPECT_EQ(all.openFolderButton, -1);
}

TEST(RunReport, RenamedEntriesAreNamedBesideTheUsualTexts)
{
    const RunAlert ok = runreport::endOfRun(2, {}, {{"a.flac", "a (2).mp3"}});
    EXPECT_EQ(ok.message, "Success");
    EXPECT_EQ(ok.informative, "Audio files were converted successfully.\n\n"
                              "Saved under another name, because another file of this run has the same name:\n"
                              "a.flac: saved as a (2).mp3");
    EXPECT_EQ(ok.buttons, QStringList({"Open Output Folder", "Close"}));

    const RunAlert mixed = runreport::endOfRun(3, {{"bad.mp3", "r"}}, {{"a.flac", "a (2).mp3"}});
    EXPECT_EQ(mixed.message, "1 of 3 files could not be converted.");
    EXPECT_TRUE(mixed.informative.contains("bad.mp3: r"));
    EXPECT_TRUE(mixed.informative.endsWith("a.flac: saved as a (2).mp3"));
}

TEST(EntryDetails, LastLinesAreWhatATerminalShows)
{
    QByteArray output = "banner\n\n";
    for (int i = 1; i <= 25; ++i)
        output += "line " + QByteArray::number(i) + "\n";
    output += "size=  1kB time=00:00:00.10\rsize=  9kB time=00:00:01.00\r\n";
    const QStringList last = details::lastLines(output);
    ASSERT_EQ(last.size(), 20);
    EXPECT_EQ(last.first(), "line 7");
    EXPECT_EQ(last.last(), "size=  9kB time=00:00:01.00");
    EXPECT_EQ(details::lastLines("only\n\n   \n"), QStringList({"only"}));
}

TEST(EntryDetails, TextOfAFailedAndARenamedEntry)
{
    EntryDetails failed;
    failed.inputPath = "/m/notes.mp3";
    failed.reason = "not an audio file ffmpeg can read";
    failed.rawMessage = "file:///m/notes.mp3: Invalid argument";
    failed.programs = {{"/usr/bin/ffmpeg -i file:///m/notes.mp3 '/out/notes (2).mp3'",
                        {"[mp3 @ 0x1] Failed to read frame size", "file:///m/notes.mp3: Invalid argument"}}};
    EntryDetails renamed;
    renamed.inputPath = "/m/a.flac";
    renamed.savedAs = "/out/a (2).mp3";
    renamed.programs = {{"ffmpeg -i x", {}}, {"sox a b", {"sox WARN dither"}}};
    EXPECT_EQ(details::text({failed, renamed}), "/m/notes.mp3\n"
                                                "Reason: not an audio file ffmpeg can read\n"
                                                "Message: file:///m/notes.mp3: Invalid argument\n"
                                                "Command:\n"
                                                "    /usr/bin/ffmpeg -i file:///m/notes.mp3 '/out/notes (2).mp3'\n"
                                                "Last lines of its output:\n"
                                                "    [mp3 @ 0x1] Failed to read frame size\n"
                                                "    file:///m/notes.mp3: Invalid argument\n"
                                                "\n"
                                                "/m/a.flac\n"
                                                "Saved as /out/a (2).mp3: another file of this run has the same name.\n"
                                                "Command:\n"
                                                "    ffmpeg -i x\n"
                                                "Command:\n"
                                                "    sox a b\n"
                                                "Last lines of its output:\n"
                                                "    sox WARN dither");
}

} // namespace quavero
