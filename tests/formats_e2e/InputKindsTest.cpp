// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of input the list takes and ffmpeg (or opusenc) can make here,
// named in mixed letter case in one folder, converted by quavero-cli's folder
// input into FLAC: each output has the input's length in samples (exactly for
// lossless inputs), the first audio stream of a film, and never its video.
// Their probe, their tags and the tag copy's word where TagLib cannot read.
#include "KindsSupport.h"
#include "QtPrinters.h"
#include "TestApp.h"
#include "convert/engine/TagCopy.h"
#include "convert/engine/TagReading.h"
#include "filelist/core/AudioStream.h"
#include "filelist/core/DurationText.h"
#include "filelist/engine/BatchDurationProbe.h"
#include "formats/core/FormatTable.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace quavero {

using namespace kinds;

namespace {
struct Kind {
    const char *name;   // the input's file name, letter case as a ripper may write it
    int rate;           // of the first audio stream
    int channels;       // of the first audio stream
    int lossySlack;     // samples the length may differ by (0: exact)
    QStringList encode; // ffmpeg's options between the source and the output
};

QString folder() { return QDir::homePath() + QStringLiteral("/kinds"); }
QString in(const QString &name) { return folder() + QLatin1Char('/') + name; }

// One second of a tone at the rate and channels.
QStringList tone(int rate, int channels)
{
    return {"-f",  "lavfi",
            "-i",  QStringLiteral("sine=frequency=440:duration=1:sample_rate=%1").arg(rate),
            "-ac", QString::number(channels)};
}

const QList<Kind> &kindsMadeWithFfmpeg()
{
    static const QList<Kind> list{
        {"Song.Oga", 44100, 2, 0, {"-c:a", "flac", "-f", "ogg"}},
        {"b.ogx", 44100, 2, 2048, {"-c:a", "libvorbis", "-f", "ogg"}},
        {"TRACK01.WV", 44100, 2, 0, {"-c:a", "wavpack"}},
        {"c.aac", 44100, 2, 2048, {"-c:a", "aac", "-f", "adts"}},
        {"Book.m4b", 44100, 1, 2048, {"-c:a", "aac", "-f", "mp4"}},
        {"ring.M4R", 44100, 1, 2048, {"-c:a", "aac", "-f", "mp4"}},
        {"d.mka", 96000, 2, 0, {"-c:a", "flac"}},
        {"e.Tta", 44100, 2, 0, {"-c:a", "tta"}},
        {"f.w64", 22050, 1, 0, {"-c:a", "pcm_s24le", "-f", "w64"}},
        {"g.mp2", 48000, 2, 2048, {"-c:a", "mp2"}},
        {"h.MPA", 32000, 1, 2048, {"-c:a", "mp2", "-f", "mp2"}},
        {"i.snd", 8000, 1, 0, {"-c:a", "pcm_s16be", "-f", "au"}},
        // VOC keeps its rate as a divisor of 1 MHz: 8000 Hz is exact.
        {"j.voc", 8000, 1, 0, {"-c:a", "pcm_u8", "-f", "voc"}},
    };
    return list;
}

class InputKinds : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QDir(folder()).removeRecursively();
        QDir().mkpath(folder());
        for (const Kind &kind : kindsMadeWithFfmpeg())
            ASSERT_TRUE(ffmpegMakes(tone(kind.rate, kind.channels) + kind.encode + QStringList{in(kind.name)}))
                << kind.name;
        // Opus from opusenc, with a title it writes as a Vorbis comment.
        ASSERT_TRUE(ffmpegMakes(tone(48000, 2) + QStringList{"-c:a", "pcm_s16le", "-f", "wav", in("opus-source.wav.tmp")}));
        ASSERT_EQ(run("opusenc", {"--quiet", "--title", "Voice title", in("opus-source.wav.tmp"), in("Voice.OPUS")}), 0);
        QFile::remove(in("opus-source.wav.tmp"));
        // Films: a video track and audio; the Matroska one has a second audio
        // stream (5.1 at 48 kHz) after the first.
        const QStringList picture{"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10:duration=1"};
        ASSERT_TRUE(ffmpegMakes(
            picture + tone(44100, 2) +
            QStringList{"-map", "0:v", "-map", "1:a", "-c:v", "mpeg4", "-c:a", "aac", "-shortest", in("Film.MP4")}));
        ASSERT_TRUE(ffmpegMakes(picture + tone(44100, 1) +
                                QStringList{"-f", "lavfi", "-i", "sine=duration=1:sample_rate=48000", "-map", "0:v",
                                            "-map", "1:a", "-map", "2:a", "-ac:a:1", "6", "-c:v", "mpeg4", "-c:a",
                                            "flac", in("two languages.mkv")}));
        ASSERT_TRUE(
            ffmpegMakes(picture + tone(48000, 2) +
                        QStringList{"-map", "0:v", "-map", "1:a", "-c:v", "libvpx", "-c:a", "libopus", in("clip.webm")}));
    }
};
} // namespace

TEST_F(InputKinds, AFolderOfEveryKindConvertsToFlacWithEachInputsLength)
{
    const QString out = testenv::freshFolder("kinds-out");
    ASSERT_EQ(convertWithCli({"-f", "flac", "-o", out, folder()}), 0);

    QList<Kind> all = kindsMadeWithFfmpeg();
    all << Kind{"Voice.OPUS", 48000, 2, 2048, {}} << Kind{"Film.MP4", 44100, 2, 2048, {}}
        << Kind{"two languages.mkv", 44100, 1, 0, {}} << Kind{"clip.webm", 48000, 2, 2048, {}};
    for (const Kind &kind : all) {
        SCOPED_TRACE(kind.name);
        const QString output = out + QLatin1Char('/') + QFileInfo(kind.name).completeBaseName() + ".flac";
        ASSERT_TRUE(QFileInfo::exists(output));
        // The command line keeps each input's rate and channels.
        EXPECT_EQ(testenv::probe(output, "sample_rate").toInt(), kind.rate);
        EXPECT_EQ(testenv::probe(output, "channels").toInt(), kind.channels);
        const qint64 samples = testenv::probe(output, "duration_ts").toLongLong();
        EXPECT_LE(qAbs(samples - kind.rate), kind.lossySlack) << samples << " samples";
        EXPECT_EQ(run("flac", {"-t", "-s", output}), 0);
        EXPECT_EQ(testenv::probe(output, "codec_type"), "audio");
    }
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), all.size());
}

TEST_F(InputKinds, EachKindIsProbedForItsDurationAndStream)
{
    QStringList paths;
    for (const Kind &kind : kindsMadeWithFfmpeg())
        paths << in(kind.name);
    paths << in("Voice.OPUS") << in("two languages.mkv");
    const QStringList reports = filelist::probeReports(testenv::ffmpeg(), paths);
    ASSERT_EQ(reports.size(), paths.size());
    for (int i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i].toStdString());
        EXPECT_EQ(filelist::secondsFromDurationText(filelist::durationTextFromReport(reports[i])), 1);
        EXPECT_TRUE(filelist::audioStreamFromReport(reports[i]).known());
    }
    const AudioStream film = filelist::audioStreamFromReport(reports.last());
    EXPECT_TRUE(film.motionVideo);
    EXPECT_EQ(film.audioStreams, 2);
    EXPECT_EQ(film.channels, 1);
}

TEST_F(InputKinds, AFilmWrittenAsMp3KeepsNoVideo)
{
    const QString out = testenv::freshFolder("film-mp3");
    ASSERT_EQ(convertWithCli({"-f", "mp3", "-o", out, in("Film.MP4"), in("two languages.mkv")}), 0);
    for (const char *name : {"/Film.mp3", "/two languages.mp3"}) {
        QString streams;
        run(testenv::ffmpeg().replace("ffmpeg", "ffprobe"),
            {"-v", "error", "-show_entries", "stream=codec_type", "-of", "csv=p=0", out + name}, &streams);
        EXPECT_EQ(streams.trimmed(), "audio") << name;
        EXPECT_EQ(run("mp3val", {out + name}), 0) << name;
    }
}

TEST_F(InputKinds, TagsComeFromTheKindsTagLibReadsAndTheOthersSaySoWhenCopied)
{
    const InputTags opus = tagread::read(in("Voice.OPUS"));
    ASSERT_TRUE(opus.readable);
    EXPECT_EQ(opus.tags.fields.value("TITLE"), QStringList{"Voice title"});
    for (const char *readable : {"TRACK01.WV", "e.Tta", "Book.m4b", "ring.M4R", "Film.MP4", "g.mp2"})
        EXPECT_TRUE(tagread::read(in(readable)).readable) << readable;

    const QString out = testenv::freshFolder("tag-words");
    ASSERT_TRUE(ffmpegMakes({"-i", in("d.mka"), "-c:a", "flac", out + "/d.flac"}));
    const QStringList words = tagcopy::copy(in("d.mka"), out + "/d.flac", formats::indexFromName("flac"));
    ASSERT_EQ(words.size(), 1);
    EXPECT_TRUE(words[0].startsWith("tags not copied: ")) << words[0].toStdString();
    EXPECT_TRUE(words[0].contains(".mka")) << words[0].toStdString();
    // The program's own formats TagLib does not know stay as quiet as before.
    ASSERT_TRUE(ffmpegMakes({"-f", "lavfi", "-i", "sine=duration=0.2", "-c:a", "pcm_s16be", out + "/x.au"}));
    ASSERT_TRUE(ffmpegMakes({"-i", out + "/x.au", out + "/x.flac"}));
    EXPECT_TRUE(tagcopy::copy(out + "/x.au", out + "/x.flac", formats::indexFromName("flac")).isEmpty());
}

} // namespace quavero
