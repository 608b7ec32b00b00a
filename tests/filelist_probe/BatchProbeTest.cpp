// SPDX-License-Identifier: GPL-3.0-or-later
// The batched duration probe with the real ffmpeg on generated files: the
// texts it gives are the lone probe's, whatever the batch holds (tags, a cover
// picture, chapters, a file ffmpeg cannot open, a FIFO), and a probe that
// stalls is killed and its files probed alone.
#include "QtPrinters.h"
#include "TestApp.h"
#include "filelist/core/AudioStream.h"
#include "filelist/core/DurationText.h"
#include "filelist/engine/BatchDurationProbe.h"
#include "filelist/engine/DurationProbe.h"
#include "platform/core/ChildProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quavero {

namespace {
QString folder() { return QDir::homePath() + QStringLiteral("/probe"); }

QString path(const QString &name) { return folder() + QLatin1Char('/') + name; }

bool ffmpegMakes(const QStringList &arguments)
{
    return child::runJoined(testenv::ffmpeg(), QStringList{"-v", "error", "-y"} + arguments).exitCode == 0;
}

void writeFile(const QString &file, const QByteArray &bytes)
{
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

// The lone probe as the file list always ran it: "ffmpeg -i path", the text
// after the first "Duration:" of the whole report.
QString loneText(const QString &file)
{
    const JoinedRun run = child::runJoined(testenv::ffmpeg(), {QStringLiteral("-i"), file});
    return filelist::durationTextFromReport(QString::fromUtf8(run.output));
}

// A stand-in for ffmpeg that hangs, writing nothing, when it is given more than
// one input, and is the real ffmpeg otherwise.
QString hangingWhenBatched()
{
    const QString script = path("ffmpeg-hangs-on-batches");
    writeFile(script, QStringLiteral("#!/bin/sh\nif [ $# -gt 2 ]; then exec sleep 60; fi\nexec '%1' \"$@\"\n")
                          .arg(testenv::ffmpeg())
                          .toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}
} // namespace

class BatchProbeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QDir().mkpath(folder());
        ASSERT_FALSE(testenv::makeTone(path("plain.wav"), 1.25).isEmpty());
        ASSERT_FALSE(testenv::makeTone(path("second.wav"), 0.5, 22050, 1).isEmpty());
        ASSERT_TRUE(ffmpegMakes({"-f", "lavfi", "-i", "sine=duration=2.5", "-c:a", "libmp3lame", path("song.mp3")}));
        // Tags that read like report lines.
        ASSERT_TRUE(ffmpegMakes({"-f", "lavfi", "-i", "sine=duration=3.1", "-metadata", "title=Duration: long",
                                 "-metadata", "artist=Input #1, nobody", path("tagged.flac")}));
        // A cover picture.
        ASSERT_TRUE(ffmpegMakes({"-f", "lavfi", "-i", "color=red:s=32x32:d=1", "-frames:v", "1", path("cover.png")}));
        ASSERT_TRUE(ffmpegMakes({"-i", path("song.mp3"), "-i", path("cover.png"), "-map", "0", "-map", "1", "-c", "copy",
                                 "-id3v2_version", "3", "-disposition:v", "attached_pic", path("with cover.mp3")}));
        // Chapters.
        writeFile(path("chapters.txt"), ";FFMETADATA1\ntitle=Chaptered\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\n"
                                        "END=1000\ntitle=One\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=2000\n"
                                        "title=Two\n");
        ASSERT_TRUE(ffmpegMakes({"-f", "lavfi", "-i", "sine=duration=2", "-i", path("chapters.txt"), "-map_metadata",
                                 "1", "-map_chapters", "1", path("chapters.m4a")}));
        ASSERT_TRUE(ffmpegMakes({"-f", "lavfi", "-i", "sine=duration=1.7", "-c:a", "libvorbis", path("voice.ogg")}));
        writeFile(path("broken.wav"), "this is not audio at all");
    }

    QStringList realFiles() const
    {
        return {path("plain.wav"),    path("song.mp3"),  path("tagged.flac"), path("with cover.mp3"),
                path("chapters.m4a"), path("voice.ogg"), path("second.wav")};
    }
};

TEST_F(BatchProbeTest, BatchedTextsAreTheLoneProbesTexts)
{
    QStringList files = realFiles();
    files << path("plain.wav"); // the same file twice
    QStringList lone;
    for (const QString &file : files)
        lone << loneText(file);
    // The files are real: each lone text is a duration, but for the tag.
    EXPECT_EQ(lone[0], " 00:00:01.2");
    EXPECT_EQ(lone[2], " long\n    a");
    EXPECT_EQ(lone[4], " 00:00:02.0");

    EXPECT_EQ(filelist::probeDurationTexts(testenv::ffmpeg(), files), lone);
    // Every way of cutting the files into batches gives the same.
    EXPECT_EQ(filelist::probeDurationTexts(testenv::ffmpeg(), files.mid(3)), lone.mid(3));
    for (int i = 0; i < files.size(); ++i)
        EXPECT_EQ(filelist::probeDurationText(testenv::ffmpeg(), files[i]), lone[i]) << files[i].toStdString();
}

TEST_F(BatchProbeTest, EachFilesPartOfTheBatchGivesItsOwnAudioStream)
{
    ASSERT_TRUE(ffmpegMakes({"-f", "lavfi", "-i", "sine=duration=1:sample_rate=48000", "-ac", "1", "-sample_fmt", "s32",
                             "-c:a", "flac", path("deep.flac")}));
    const QStringList files{path("plain.wav"), path("deep.flac"), path("broken.wav"), path("with cover.mp3"),
                            path("second.wav")};
    const QStringList reports = filelist::probeReports(testenv::ffmpeg(), files);
    ASSERT_EQ(reports.size(), files.size());
    QList<AudioStream> streams;
    for (const QString &report : reports)
        streams << filelist::audioStreamFromReport(report);
    EXPECT_EQ(streams[0].codec, "pcm_s16le");
    EXPECT_EQ(streams[0].sampleRate, 44100);
    EXPECT_EQ(streams[0].channels, 2);
    EXPECT_EQ(streams[1].codec, "flac");
    EXPECT_EQ(streams[1].sampleRate, 48000);
    EXPECT_EQ(streams[1].channels, 1);
    EXPECT_EQ(streams[1].bitsPerSample, 24);
    EXPECT_FALSE(streams[2].known());
    EXPECT_EQ(streams[3].codec, "mp3");
    EXPECT_FALSE(streams[3].motionVideo) << "a cover picture is no video";
    EXPECT_EQ(streams[4].sampleRate, 22050);
    EXPECT_EQ(streams[4].channels, 1);
    // The duration texts are read from the same reports.
    EXPECT_EQ(filelist::durationTextFromReport(reports[0]), " 00:00:01.2");
}

TEST_F(BatchProbeTest, AFileFfmpegCannotOpenGetsItsLoneTextAndTheBatchGoesOn)
{
    const QStringList files{path("plain.wav"),  path("broken.wav"), path("song.mp3"),  path("missing.wav"),
                            path("broken.wav"), path("voice.ogg"),  path("broken.wav")};
    QStringList lone;
    for (const QString &file : files)
        lone << (QFileInfo(file).isFile() ? loneText(file) : QString());
    EXPECT_EQ(filelist::probeDurationTexts(testenv::ffmpeg(), files), lone);
    EXPECT_EQ(lone[2], " 00:00:02.5");
    EXPECT_EQ(lone[5], " 00:00:01.7");
    // A broken file first and alone.
    EXPECT_EQ(filelist::probeDurationTexts(testenv::ffmpeg(), {path("broken.wav"), path("plain.wav")}),
              (QStringList{loneText(path("broken.wav")), " 00:00:01.2"}));
    // No ffmpeg to run: every text is empty.
    EXPECT_EQ(filelist::probeDurationTexts(path("no-such-ffmpeg"), {path("plain.wav"), path("song.mp3")}),
              (QStringList{"", ""}));
}

TEST_F(BatchProbeTest, AFifoIsNeverOpenedAndTheProbeEnds)
{
    const QString fifo = path("x.wav");
    QFile::remove(fifo);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFuture<QStringList> probed = QtConcurrent::run([fifo] {
        return filelist::probeDurationTexts(testenv::ffmpeg(), {path("plain.wav"), fifo, path("song.mp3")});
    });
    QElapsedTimer bound;
    bound.start();
    while (!probed.isFinished() && bound.elapsed() < 15000)
        QThread::msleep(20);
    if (!probed.isFinished()) {
        // Something opened the FIFO for reading: a writer that closes at once
        // lets it end, and the test fails.
        const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
        probed.waitForFinished();
        FAIL() << "the probe waited on the FIFO";
    }
    EXPECT_EQ(probed.result(), (QStringList{" 00:00:01.2", "", " 00:00:02.5"}));
    EXPECT_EQ(filelist::probeDurationText(testenv::ffmpeg(), fifo), "");
    // A folder is no regular file either.
    EXPECT_EQ(filelist::probeDurationText(testenv::ffmpeg(), folder()), "");
}

TEST_F(BatchProbeTest, AStalledBatchIsKilledAndItsFilesProbedAloneAndAStopEndsIt)
{
    const QStringList files{path("plain.wav"), path("song.mp3"), path("voice.ogg")};
    filelist::BatchProbeOptions options;
    // Long enough for a lone ffmpeg on a busy machine to say something.
    options.stallMs = 3000;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(filelist::probeDurationTexts(hangingWhenBatched(), files, options),
              (QStringList{" 00:00:01.2", " 00:00:02.5", " 00:00:01.7"}));
    EXPECT_LT(clock.elapsed(), 30000);

    // A stop asked for while the batch hangs ends it, leaving the texts
    // empty: the stop answers yes once the hanging batch has been asked a few
    // times (it is asked about ten times a second).
    std::atomic<int> asked{0};
    options.stallMs = 60000;
    options.stop = [&asked] { return ++asked > 4; };
    clock.restart();
    QFuture<QStringList> probed =
        QtConcurrent::run([&] { return filelist::probeDurationTexts(hangingWhenBatched(), files, options); });
    probed.waitForFinished();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(probed.result(), (QStringList{"", "", ""}));
}

} // namespace quavero
