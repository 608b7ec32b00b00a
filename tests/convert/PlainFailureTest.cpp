// SPDX-License-Identifier: GPL-3.0-or-later
// ffmpeg's and sox's messages turned into reasons a user can act on. The
// outputs are recorded from ffmpeg 5.1 and SoX 14.4; the conversion tests run
// the cheap cases for real.
#include "QtPrinters.h"
#include "convert/core/PlainFailure.h"

#include <csignal>
#include <gtest/gtest.h>

namespace quavero {

namespace {
FailureContext ffmpegMp3(const QString &input = QStringLiteral("file:///m/a.mp3"))
{
    FailureContext c;
    c.program = QStringLiteral("ffmpeg");
    c.input = input;
    c.output = QStringLiteral("/out/a.mp3");
    c.arguments =
        QStringList{"-i", input, "-codec:a", "libmp3lame", "-b:a", "128k", "-ar", "6000", "-ac", "2", "/out/a.mp3"};
    return c;
}

FailureContext soxWav()
{
    FailureContext c;
    c.program = QStringLiteral("sox");
    c.input = QStringLiteral("/work/a001.wav");
    c.output = QStringLiteral("/out/a.wav");
    return c;
}

const QByteArray kInputDump =
    "Guessed Channel Layout for Input Stream #0.0 : mono\n"
    "Input #0, wav, from 'file:///m/a.wav':\n"
    "  Duration: 00:00:00.50, bitrate: 705 kb/s\n"
    "  Stream #0:0: Audio: pcm_s16le ([1][0][0][0] / 0x0001), 44100 Hz, mono, s16, 705 kb/s\n";
} // namespace

TEST(PlainFailure, InputsFfmpegCannotRead)
{
    // A text file renamed to .mp3: ffmpeg only says "Invalid argument".
    const QByteArray textAsMp3 = "[mp3 @ 0x55] Format mp3 detected only with low score of 1, misdetection possible!\n"
                                 "[mp3 @ 0x55] Failed to read frame size: Could not seek to 1029.\n"
                                 "file:///m/a.mp3: Invalid argument\n";
    PlainFailure f = plainfailure::fromExit(ffmpegMp3(), 1, textAsMp3);
    EXPECT_EQ(f.reason, "not an audio file ffmpeg can read; check that the file is complete and really holds audio");
    EXPECT_EQ(f.rawLine, "file:///m/a.mp3: Invalid argument");
    EXPECT_FALSE(f.diskFull);

    for (const QByteArray &output :
         {QByteArray("file:///m/a.mp3: Invalid data found when processing input\n"),
          QByteArray("Stream mapping:\nCannot determine format of input stream 0:0 after EOF\n"
                     "Error marking filters as finished\nConversion failed!\n")})
        EXPECT_TRUE(plainfailure::fromExit(ffmpegMp3(), 1, output).reason.startsWith("not an audio file"))
            << output.constData();

    // A picture renamed to .mp3: read, but no audio stream in it.
    const QByteArray picture = "Input #0, png_pipe, from 'file:///m/a.mp3':\n  Duration: N/A, bitrate: N/A\n"
                               "  Stream #0:0: Video: png, rgb24(pc), 320x240, 25 tbr\n"
                               "Output #0, mp3, to '/out/a.mp3':\nOutput file #0 does not contain any stream\n";
    EXPECT_EQ(plainfailure::fromExit(ffmpegMp3(), 1, picture).reason,
              "the file holds no audio; there is nothing to convert");

    // "Invalid argument" about something else is not taken for the input.
    const QByteArray other = kInputDump + "[out#0 @ 0x1] /out/a.mp3: Invalid argument\n";
    EXPECT_TRUE(plainfailure::fromExit(ffmpegMp3("file:///m/a.wav"), 1, other).reason.startsWith("ffmpeg failed: "));
}

TEST(PlainFailure, MissingFilesAndPermissionsTellInputFromDestination)
{
    EXPECT_EQ(plainfailure::fromExit(ffmpegMp3(), 1, "file:///m/a.mp3: No such file or directory\n").reason,
              "the file is no longer there; it was moved, renamed or deleted after it was added");
    EXPECT_EQ(plainfailure::fromExit(ffmpegMp3(), 1, "file:///m/a.mp3: Permission denied\n").reason,
              "no permission to read the file; change its permissions or convert a copy of it");
    EXPECT_EQ(plainfailure::fromExit(ffmpegMp3(), 1, kInputDump + "/out/a.mp3: Permission denied\n").reason,
              "no permission to write in the destination folder; choose another folder or change its permissions");
    EXPECT_EQ(plainfailure::fromExit(ffmpegMp3(), 1, kInputDump + "/out/a.mp3: No such file or directory\n").reason,
              "the destination folder is no longer there; choose it again or another one");

    // sox names the side in its own words.
    EXPECT_EQ(plainfailure::fromExit(soxWav(), 2,
                                     "sox FAIL formats: can't open output file `/out/a.wav': "
                                     "Permission denied\n")
                  .reason,
              "no permission to write in the destination folder; choose another folder or change its permissions");
}

TEST(PlainFailure, FullDiskStopsTheRun)
{
    const QByteArray ffmpegFull = kInputDump +
                                  "size=       4kB time=00:00:00.04 bitrate= 719.0kbits/s speed=N/A    "
                                  "av_interleaved_write_frame(): No space left on device\n"
                                  "Error writing trailer of /out/a.mp3: No space left on device\n"
                                  "Error closing file /out/a.mp3: No space left on device\nConversion failed!\n";
    const PlainFailure f = plainfailure::fromExit(ffmpegMp3(), 1, ffmpegFull);
    EXPECT_EQ(f.reason, "the destination disk is full; free some space on it or choose another destination folder");
    EXPECT_TRUE(f.diskFull);
    EXPECT_EQ(f.rawLine, "Error closing file /out/a.mp3: No space left on device");

    const PlainFailure s = plainfailure::fromExit(
        soxWav(), 2, "sox FAIL sox: `/out/a.wav' error writing output file: No space left on device\n");
    EXPECT_TRUE(s.diskFull);
    EXPECT_TRUE(s.reason.startsWith("the destination disk is full"));
}

TEST(PlainFailure, RefusedEncoderSettingsAreNamed)
{
    const QByteArray rate = kInputDump + "Stream mapping:\n"
                                         "[libmp3lame @ 0x55] Specified sample rate 6000 is not supported\n"
                                         "Error initializing output stream 0:0 -- Error while opening encoder for "
                                         "output stream #0:0 - maybe incorrect parameters such as bit_rate, rate, "
                                         "width or height\nConversion failed!\n";
    const PlainFailure f = plainfailure::fromExit(ffmpegMp3(), 1, rate);
    EXPECT_EQ(f.reason,
              "the encoder does not accept the sample rate 6000 Hz; choose another sample rate in the format options");
    EXPECT_TRUE(f.rawLine.startsWith("Error initializing output stream 0:0")) << f.rawLine.toStdString();

    // libvorbis only says its setup failed: every setting it was given is listed.
    FailureContext ogg = ffmpegMp3();
    ogg.arguments = QStringList{"-i", "file:///m/a.wav", "-c:a", "libvorbis", "-b:a", "32k", "-ac", "2", "/out/a.ogg"};
    const QByteArray vorbis = kInputDump + "[libvorbis @ 0x55] encoder setup failed\n"
                                           "Error initializing output stream 0:0 -- Error while opening encoder for "
                                           "output stream #0:0 - maybe incorrect parameters such as bit_rate, rate, "
                                           "width or height\nConversion failed!\n";
    EXPECT_EQ(plainfailure::fromExit(ogg, 1, vorbis).reason,
              "the encoder does not accept these settings (encoder libvorbis, bitrate 32k, channels 2); choose other "
              "values in the format options");

    EXPECT_EQ(plainfailure::fromExit(ffmpegMp3(), 1, kInputDump + "[ac3 @ 0x1] invalid bit rate\n").reason,
              "the encoder does not accept the bitrate 128k; choose another bitrate in the format options");
    EXPECT_EQ(plainfailure::fromExit(ffmpegMp3(), 1, kInputDump + "[aac @ 0x1] Unsupported channel layout\n").reason,
              "the encoder does not accept 2 channels; choose other channels in the format options");
    EXPECT_EQ(plainfailure::fromExit(ffmpegMp3(), 1,
                                     "Unrecognized option 'vbr'.\nError splitting the argument list: "
                                     "Option not found\n")
                  .reason,
              "this ffmpeg does not know the option -vbr; install a complete ffmpeg or choose another format");
}

TEST(PlainFailure, UnknownMessagesKeepTheProgramsWordsAndSignalsAreNamed)
{
    const PlainFailure unknown = plainfailure::fromExit(soxWav(), 2, "sox FAIL effect: broken\n");
    EXPECT_EQ(unknown.reason, "sox failed: sox FAIL effect: broken");
    EXPECT_EQ(unknown.rawLine, "sox FAIL effect: broken");
    EXPECT_EQ(plainfailure::fromExit(soxWav(), 3, "").reason, "sox failed with exit status 3");

    EXPECT_EQ(
        plainfailure::fromSignal("ffmpeg", SIGSEGV, "").reason,
        "ffmpeg crashed (signal 11, SIGSEGV) on this file; the file may be damaged, or try another output format");
    EXPECT_EQ(plainfailure::fromSignal("sox", SIGKILL, "").reason,
              "sox was killed (signal 9, SIGKILL) before it finished, perhaps because memory ran out; convert the "
              "file again");
    EXPECT_EQ(plainfailure::fromSignal("ffmpeg", SIGTERM, "").reason,
              "ffmpeg was stopped from outside (signal 15, SIGTERM) before it finished; convert the file again");
    EXPECT_TRUE(plainfailure::fromSignal("ffmpeg", 77, "").reason.contains("(signal 77)"));
}

} // namespace quavero
