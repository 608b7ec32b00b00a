// SPDX-License-Identifier: GPL-3.0-or-later
// The new outputs checked with tools we did not write: Opus with its tags and
// a picture (opusinfo), Apple Lossless decoding to the input's samples, and
// quavero-cli's "Same as input" defaults on a 48 kHz mono 24-bit input in
// FLAC, WAV and MP3.
#include "KindsSupport.h"
#include "QtPrinters.h"
#include "TaggedInputs.h"
#include "TestApp.h"
#include "convert/engine/TagReading.h"
#include "formats/core/FormatTable.h"
#include "formats/core/LabelLists.h"

#include <QDir>
#include <gtest/gtest.h>

namespace quavero {

using namespace kinds;

namespace {
int index(const char *name) { return formats::indexFromName(QLatin1String(name)); }

// A 48 kHz mono 24-bit FLAC of one second.
QString deepMono(const QString &folder)
{
    const QString path = folder + "/deep.flac";
    EXPECT_TRUE(ffmpegMakes({"-f", "lavfi", "-i", "sine=frequency=1000:duration=1:sample_rate=48000", "-ac", "1",
                             "-sample_fmt", "s32", "-c:a", "flac", path}));
    return path;
}
} // namespace

TEST(OpusOutput, OpusinfoValidatesItAndItCarriesTheTagsAndThePicture)
{
    testenv::resetHome();
    const QString out = testenv::freshFolder("opus-out");
    const ConversionResult result = taggedinputs::convert(taggedinputs::flac(), index("opus"), startRecords(), out);
    ASSERT_TRUE(result.ok) << result.reason.toStdString();
    ASSERT_TRUE(result.warnings.isEmpty()) << result.warnings.join('\n').toStdString();
    const QString output = result.finalPath;
    ASSERT_TRUE(output.endsWith(".opus"));
    QString report;
    EXPECT_EQ(run("opusinfo", {output}, &report), 0) << report.toStdString();
    EXPECT_EQ(testenv::probe(output, "sample_rate"), "48000");
    EXPECT_EQ(testenv::probe(output, "channels"), "2");
    const QMap<QString, QStringList> fields = taggedinputs::fieldsOf(output);
    EXPECT_EQ(fields.value("TITLE"), QStringList{QString::fromUtf8(taggedinputs::kTitle)});
    EXPECT_EQ(fields.value("ALBUM"), QStringList{QString::fromUtf8(taggedinputs::kAlbum)});
    EXPECT_EQ(fields.value("TRACKNUMBER"), QStringList{"3"});
    // The picture is a METADATA_BLOCK_PICTURE comment, which ffprobe shows too.
    const InputTags read = tagread::read(output);
    ASSERT_EQ(read.tags.pictures.size(), 1);
    EXPECT_EQ(read.tags.pictures[0].type, int(TagPicture::FrontCover));
    const QList<taggedinputs::ProbedPicture> probed = taggedinputs::probedPictures(output);
    ASSERT_EQ(probed.size(), 1);
    EXPECT_EQ(probed[0].width, 320);
    EXPECT_NEAR(taggedinputs::decodedSeconds(output), 1.0, 0.05);
}

TEST(AppleLossless, DecodesToTheInputsSamplesAtSixteenAndTwentyFourBits)
{
    testenv::resetHome();
    const QString in = testenv::freshFolder("alac-in");
    const QString out = testenv::freshFolder("alac-out");
    ASSERT_TRUE(ffmpegMakes(
        {"-f", "lavfi", "-i", "sine=frequency=997:duration=1.3", "-ac", "2", "-c:a", "pcm_s16le", in + "/cd.wav"}));
    const QString deep = deepMono(in);

    // quavero-cli with codec=alac keeps every sample, rate and channel count.
    ASSERT_EQ(convertWithCli({"-f", "m4a", "--set", "codec=alac", "-o", out, in + "/cd.wav", deep}), 0);
    for (const QString &name : {QStringLiteral("cd"), QStringLiteral("deep")}) {
        SCOPED_TRACE(name.toStdString());
        const QString input = name == "cd" ? in + "/cd.wav" : deep;
        const QString output = out + "/" + name + ".m4a";
        EXPECT_EQ(testenv::probe(output, "codec_name"), "alac");
        EXPECT_EQ(testenv::probe(output, "sample_rate"), testenv::probe(input, "sample_rate"));
        EXPECT_EQ(testenv::probe(output, "channels"), testenv::probe(input, "channels"));
        const QByteArray expected = decoded(input);
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_TRUE(decoded(output) == expected) << "the decoded samples differ";
    }
    EXPECT_EQ(testenv::probe(out + "/deep.m4a", "bits_per_raw_sample"), "24");

    // The window's record does the same with its start rate and channels
    // changed to keep the input's.
    FormatRecords records = startRecords();
    records.m_AF_M4A.setI_Codec(1);
    records.m_AF_M4A.setI_Sample_Rate(labels::sampleRates().fromInputPosition());
    records.m_AF_M4A.setI_Channels(labels::channels().fromInputPosition());
    const QString window = testenv::freshFolder("alac-window");
    const ConversionResult result = taggedinputs::convert(in + "/cd.wav", index("m4a"), records, window);
    EXPECT_TRUE(decoded(result.finalPath) == decoded(in + "/cd.wav"));
}

TEST(SameAsInput, TheCommandLinesDefaultsKeepA48kMono24BitInputInFlacWavAndMp3)
{
    testenv::resetHome();
    const QString in = testenv::freshFolder("same-in");
    const QString out = testenv::freshFolder("same-out");
    const QString deep = deepMono(in);
    for (const char *format : {"flac", "wav", "mp3"})
        ASSERT_EQ(convertWithCli({"-f", format, "-o", out, deep}), 0) << format;

    EXPECT_EQ(testenv::probe(out + "/deep.flac", "sample_rate"), "48000");
    EXPECT_EQ(testenv::probe(out + "/deep.flac", "channels"), "1");
    EXPECT_EQ(testenv::probe(out + "/deep.flac", "bits_per_raw_sample"), "24");
    EXPECT_TRUE(decoded(out + "/deep.flac") == decoded(deep)) << "FLAC to FLAC at the same settings is lossless";
    EXPECT_EQ(testenv::probe(out + "/deep.wav", "codec_name"), "pcm_s24le");
    EXPECT_EQ(testenv::probe(out + "/deep.wav", "sample_rate"), "48000");
    EXPECT_EQ(testenv::probe(out + "/deep.wav", "channels"), "1");
    EXPECT_EQ(testenv::probe(out + "/deep.mp3", "sample_rate"), "48000");
    EXPECT_EQ(testenv::probe(out + "/deep.mp3", "channels"), "1");
    EXPECT_EQ(run("mp3val", {out + "/deep.mp3"}), 0);

    // A lossy input's WAV is 16-bit; a 96 kHz 6-channel input's MP3 is 48 kHz stereo.
    ASSERT_TRUE(ffmpegMakes({"-f", "lavfi", "-i", "sine=duration=0.5:sample_rate=96000", "-ac", "6", "-c:a",
                             "pcm_s32le", in + "/wide.wav"}));
    ASSERT_EQ(convertWithCli({"-f", "mp3", "-o", out, in + "/wide.wav"}), 0);
    EXPECT_EQ(testenv::probe(out + "/wide.mp3", "sample_rate"), "48000");
    EXPECT_EQ(testenv::probe(out + "/wide.mp3", "channels"), "2");
    const QString lossy = testenv::freshFolder("same-lossy");
    ASSERT_EQ(convertWithCli({"-f", "wav", "-o", lossy, out + "/wide.mp3"}), 0);
    EXPECT_EQ(testenv::probe(lossy + "/wide.wav", "codec_name"), "pcm_s16le");
}

} // namespace quavero
