// SPDX-License-Identifier: GPL-3.0-or-later
// Every output format on every route it has (ffmpeg alone; ffmpeg then sox
// with a speed of 1.25), from a tagged MP3 and a tagged FLAC: which tags and
// pictures arrive, read back with TagLib and with ffprobe.
#include "TaggedInputs.h"
#include "TestApp.h"

#include "convert/engine/TagReading.h"
#include "formats/core/FormatTable.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quavero {

using namespace taggedinputs;

namespace {
enum class Route { Direct, Effects };
enum class Kept { Everything, WhatFfmpegWrites, Nothing };

struct Row {
    int format;
    Route route;
    Kept kept;
};

const Row kRows[] = {
    {0, Route::Direct, Kept::Nothing},           {1, Route::Direct, Kept::Everything},
    {1, Route::Effects, Kept::Everything},       {2, Route::Direct, Kept::Everything},
    {2, Route::Effects, Kept::Everything},       {3, Route::Direct, Kept::Everything},
    {3, Route::Effects, Kept::Everything},       {4, Route::Direct, Kept::Nothing},
    {5, Route::Effects, Kept::WhatFfmpegWrites}, {6, Route::Direct, Kept::WhatFfmpegWrites},
    {7, Route::Effects, Kept::Everything},       {8, Route::Direct, Kept::Everything},
    {9, Route::Direct, Kept::Everything},        {9, Route::Effects, Kept::Everything},
    {10, Route::Direct, Kept::Nothing},          {11, Route::Direct, Kept::Everything},
    {12, Route::Effects, Kept::Everything},      {13, Route::Direct, Kept::Everything},
    {14, Route::Direct, Kept::Everything},
};

FormatRecords recordsFor(Route route)
{
    FormatRecords r = startRecords();
    const bool effects = route == Route::Effects;
    r.m_AF_AIFF.setI_Format(effects ? 2 : 0);
    r.m_AF_OGG.setB_VBR(effects ? 1 : 0);
    r.m_AF_OGG.setI_CBR_Bitrate(10); // 128 kbit/s: libvorbis refuses the start value's 40 at 44.1 kHz stereo
    if (effects) {
        r.m_AF_AIFF.setF_Speed(1.25f);
        r.m_AF_AU.setF_Speed(1.25f);
        r.m_AF_FLAC.setF_Speed(1.25f);
        r.m_AF_OGG.setF_Speed(1.25f);
        r.m_AF_WAV.setF_Speed(1.25f);
    }
    return r;
}

bool fromMp3(const std::tuple<Row, bool> &param) { return std::get<1>(param); }

std::string nameOf(const ::testing::TestParamInfo<std::tuple<Row, bool>> &info)
{
    const Row row = std::get<0>(info.param);
    return formats::at(row.format)->item.mid(1).toStdString() + (row.route == Route::Direct ? "_ffmpeg" : "_sox") +
           (fromMp3(info.param) ? "_fromMp3" : "_fromFlac");
}

QString one(const QMap<QString, QStringList> &fields, const char *key)
{
    return fields.value(QLatin1String(key)).value(0);
}

class TagTable : public ::testing::TestWithParam<std::tuple<Row, bool>> {};
} // namespace

TEST_P(TagTable, TagsAndPicturesArrive)
{
    const Row row = std::get<0>(GetParam());
    const bool mp3Input = fromMp3(GetParam());
    const QString input = mp3Input ? mp3() : flac();
    ASSERT_FALSE(input.isEmpty());
    const QString out = testenv::freshFolder("out");
    const ConversionResult result = convert(input, row.format, recordsFor(row.route), out);
    ASSERT_TRUE(result.ok) << result.reason.toStdString();
    EXPECT_TRUE(result.warnings.isEmpty()) << result.warnings.join(" | ").toStdString();
    const QString output = result.finalPath;
    // The audio is all there (a quarter faster on the sox route).
    if (row.format != 10) {
        EXPECT_NEAR(decodedSeconds(output), row.route == Route::Direct ? 1.0 : 0.8, 0.1);
    }

    const QList<ProbedPicture> probed = probedPictures(output);
    if (row.kept == Kept::Nothing) {
        EXPECT_TRUE(fieldsOf(output).isEmpty());
        EXPECT_TRUE(probed.isEmpty());
        return;
    }
    const QMap<QString, QString> ffprobed = probedTags(output);
    EXPECT_EQ(ffprobed.value("title"), QString::fromUtf8(kTitle));
    if (row.kept == Kept::WhatFfmpegWrites) {
        EXPECT_EQ(ffprobed.value("album"), QString::fromUtf8(kAlbum));
        EXPECT_TRUE(probed.isEmpty()) << "no picture in " << output.toStdString();
        return;
    }

    const QMap<QString, QStringList> f = fieldsOf(output);
    EXPECT_EQ(one(f, "TITLE"), QString::fromUtf8(kTitle));
    EXPECT_EQ(one(f, "ALBUM"), QString::fromUtf8(kAlbum));
    EXPECT_EQ(one(f, "ARTIST"), QString::fromUtf8(kArtist));
    EXPECT_EQ(one(f, "ALBUMARTIST"), "Various Artists");
    EXPECT_EQ(one(f, "DATE"), "2021");
    EXPECT_EQ(one(f, "GENRE"), "Jazz");
    EXPECT_EQ(one(f, "COMPOSER"), QString::fromUtf8("Béla Bartók"));
    EXPECT_EQ(one(f, "COMMENT"), "Recorded live");
    const bool vorbis = row.format == 7 || row.format == 9 || row.format == 11;
    if (vorbis) {
        EXPECT_EQ(one(f, "TRACKNUMBER"), "3");
        EXPECT_EQ(one(f, "TRACKTOTAL"), "12");
        EXPECT_EQ(one(f, "DISCNUMBER"), "1");
        EXPECT_EQ(one(f, "DISCTOTAL"), "2");
    } else {
        EXPECT_EQ(one(f, "TRACKNUMBER"), "3/12");
        EXPECT_EQ(one(f, "DISCNUMBER"), "1/2");
        EXPECT_FALSE(f.contains("TRACKTOTAL"));
    }
    EXPECT_EQ(ffprobed.value("album"), QString::fromUtf8(kAlbum));
    if (row.format == 12) { // the INFO list, which ffmpeg prefers to the ID3v2 chunk
        EXPECT_EQ(ffprobed.value("track"), "3/12");
    }

    // The MP3 input has a front and a back cover, the FLAC input a front cover.
    const int expected = mp3Input ? 2 : 1;
    ASSERT_EQ(probed.size(), expected) << output.toStdString();
    for (const ProbedPicture &p : probed) {
        EXPECT_EQ(p.width, 320);
        EXPECT_EQ(p.height, 240);
    }
    // By type: WMA keeps its pictures in two lists that are read back in another order.
    QMap<int, TagPicture> byType;
    for (const TagPicture &p : tagread::read(output).tags.pictures)
        byType.insert(p.type, p);
    QStringList probedTypes;
    for (const ProbedPicture &p : probed)
        probedTypes << p.comment;
    probedTypes.sort();
    if (row.format == 14) { // MP4 keeps no type: the front cover comes first
        ASSERT_EQ(byType.keys(), expected == 2 ? QList<int>({0, 3}) : QList<int>({3}));
    } else {
        ASSERT_EQ(byType.keys(), expected == 2 ? QList<int>({3, 4}) : QList<int>({3}));
        EXPECT_EQ(probedTypes,
                  expected == 2 ? QStringList({"Cover (back)", "Cover (front)"}) : QStringList{"Cover (front)"});
    }
    if (expected == 2 && row.format != 14) {
        EXPECT_EQ(byType.value(TagPicture::BackCover).description, "Back side");
        EXPECT_EQ(byType.value(TagPicture::BackCover).mimeType, "image/png");
    }
    if (row.format != 8) { // ffmpeg's copy in an MP3 is its own PNG; elsewhere the input's bytes
        EXPECT_EQ(byType.value(TagPicture::FrontCover).data, cover(mp3Input ? "jpg" : "png"));
    }
}

INSTANTIATE_TEST_SUITE_P(AllFormatsBothRoutes, TagTable,
                         ::testing::Combine(::testing::ValuesIn(kRows), ::testing::Bool()), nameOf);

} // namespace quavero
