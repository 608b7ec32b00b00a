// SPDX-License-Identifier: GPL-3.0-or-later
// What the tag-copy step plans for an output: numbers in the output's style,
// pictures recognised from their bytes, and the ones an output cannot take.
#include "QtPrinters.h"
#include "convert/core/ImageHeader.h"
#include "convert/core/RunReport.h"
#include "convert/core/TagPlan.h"
#include "convert/core/TagTarget.h"
#include "formats/core/FormatTable.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace quavero {

namespace {
QByteArray encoded(const char *format, int width, int height, QImage::Format pixels = QImage::Format_RGB32)
{
    QImage image(width, height, pixels);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

TagPicture picture(int type, const QByteArray &data, const QString &description = QString())
{
    return TagPicture{type, QStringLiteral("application/octet-stream"), description, data};
}

const QString kFlac = QStringLiteral(".FLAC");
} // namespace

TEST(TagNumbers, EachStyleReadsTheOther)
{
    const QMap<QString, QStringList> joined{{"TRACKNUMBER", {"3/12"}}, {"DISCNUMBER", {" 1 / 2 "}}, {"TITLE", {"x"}}};
    const QMap<QString, QStringList> split{
        {"TRACKNUMBER", {"3"}}, {"TRACKTOTAL", {"12"}}, {"DISCNUMBER", {"1"}}, {"DISCTOTAL", {"2"}}, {"TITLE", {"x"}}};
    EXPECT_EQ(tags::withNumbers(joined, tags::NumberStyle::Split), split);
    EXPECT_EQ(tags::withNumbers(split, tags::NumberStyle::Joined),
              (QMap<QString, QStringList>{{"TRACKNUMBER", {"3/12"}}, {"DISCNUMBER", {"1/2"}}, {"TITLE", {"x"}}}));
    // The other spelling of the totals; a number without a total; a total alone.
    EXPECT_EQ(tags::withNumbers({{"TRACKNUMBER", {"7"}}, {"TOTALTRACKS", {"9"}}, {"DISCNUMBER", {"2"}}},
                                tags::NumberStyle::Joined),
              (QMap<QString, QStringList>{{"TRACKNUMBER", {"7/9"}}, {"DISCNUMBER", {"2"}}}));
    EXPECT_EQ(tags::withNumbers({{"TRACKTOTAL", {"9"}}}, tags::NumberStyle::Joined),
              (QMap<QString, QStringList>{{"TRACKTOTAL", {"9"}}}));
}

TEST(ImageHeaders, SizesComeFromTheHeaders)
{
    const ImageHeader png = image::readHeader(encoded("PNG", 320, 240, QImage::Format_ARGB32));
    EXPECT_EQ(png.format, ImageHeader::Png);
    EXPECT_EQ(png.mimeType, "image/png");
    EXPECT_EQ(std::make_tuple(png.width, png.height, png.depth), std::make_tuple(320, 240, 32));
    const ImageHeader jpeg = image::readHeader(encoded("JPEG", 640, 480));
    EXPECT_EQ(jpeg.format, ImageHeader::Jpeg);
    EXPECT_EQ(std::make_tuple(jpeg.width, jpeg.height, jpeg.depth), std::make_tuple(640, 480, 24));
    const ImageHeader bmp = image::readHeader(encoded("BMP", 33, 17));
    EXPECT_EQ(bmp.format, ImageHeader::Bmp);
    EXPECT_EQ(std::make_tuple(bmp.width, bmp.height), std::make_tuple(33, 17));
    const ImageHeader gif = image::readHeader(QByteArray("GIF89a\x40\x01\xf0\x00\xf7\x00\x00", 13));
    EXPECT_EQ(std::make_tuple(gif.format, gif.width, gif.height, gif.colours),
              std::make_tuple(ImageHeader::Gif, 320, 240, 256));
    const ImageHeader webp = image::readHeader(QByteArray("RIFF\0\0\0\0WEBPVP8X\x0a\0\0\0\0\0\0\0\x3f\x01\0\xef\0\0", 30));
    EXPECT_EQ(std::make_tuple(webp.format, webp.width, webp.height), std::make_tuple(ImageHeader::Webp, 320, 240));
}

TEST(ImageHeaders, CutOrForeignDataGivesNoSize)
{
    const QByteArray jpeg = encoded("JPEG", 640, 480);
    for (int length : {3, 4, 20, 100}) {
        const ImageHeader cut = image::readHeader(jpeg.left(length));
        EXPECT_EQ(cut.format, ImageHeader::Jpeg);
        EXPECT_EQ(cut.width, 0) << length;
    }
    EXPECT_EQ(image::readHeader(encoded("PNG", 8, 8).left(12)).width, 0);
    EXPECT_EQ(image::readHeader("-->http://example.org/cover.jpg").format, ImageHeader::Unknown);
    EXPECT_EQ(image::readHeader(QByteArray()).format, ImageHeader::Unknown);
    EXPECT_EQ(image::readHeader(QByteArray(5000, '\xff')).format, ImageHeader::Unknown);
}

TEST(TagPlans, PicturesAreCheckedAgainstTheOutput)
{
    const QByteArray png = encoded("PNG", 16, 16);
    const QByteArray webp("RIFF\0\0\0\0WEBPVP8X\x0a\0\0\0\0\0\0\0\x0f\0\0\x0f\0\0", 30);
    TagSet input;
    input.fields = {{"TRACKNUMBER", {"3/12"}}};
    input.pictures = {picture(TagPicture::BackCover, png, "Back"), picture(TagPicture::FrontCover, webp),
                      picture(7, QByteArray(100, 'x'), "Singer"), picture(99, png),
                      picture(TagPicture::Other, png + QByteArray(16 * 1024 * 1024, '\0'), "Huge")};

    const TagPlan flac = tags::plan(input, tags::targetFor(7), kFlac);
    EXPECT_EQ(flac.fields.value("TRACKTOTAL"), QStringList{"12"});
    ASSERT_EQ(flac.pictures.size(), 3);
    EXPECT_EQ(flac.pictures.at(0).picture.mimeType, "image/png"); // what the bytes are, not what was declared
    EXPECT_EQ(flac.pictures.at(0).header.width, 16);
    EXPECT_EQ(flac.pictures.at(1).header.format, ImageHeader::Webp);
    EXPECT_EQ(flac.pictures.at(2).picture.type, int(TagPicture::Other)); // type 99 is no known type
    EXPECT_EQ(flac.warnings,
              QStringList({"picture not copied: the lead artist picture \"Singer\" is not a JPEG, PNG, GIF, BMP or "
                           "WebP image",
                           "picture not copied: the picture \"Huge\" (16.0 MB) is too large for .FLAC, which takes "
                           "at most 16.0 MB"}));

    // MP4 names no WebP picture and keeps no type: the front cover goes first.
    TagSet covers;
    covers.pictures = {picture(TagPicture::BackCover, png), picture(TagPicture::FrontCover, encoded("JPEG", 8, 8)),
                       picture(TagPicture::FrontCover, webp)};
    const TagPlan m4a = tags::plan(covers, tags::targetFor(14), ".M4A");
    ASSERT_EQ(m4a.pictures.size(), 2);
    EXPECT_EQ(m4a.pictures.at(0).header.format, ImageHeader::Jpeg);
    EXPECT_EQ(m4a.warnings, QStringList{"picture not copied: the front cover is a WebP image, which .M4A cannot hold"});
}

TEST(TagPlans, AnMp3KeepsTheCoverFfmpegCopied)
{
    const QByteArray png = encoded("PNG", 4, 4);
    TagSet input;
    input.pictures = {picture(TagPicture::FrontCover, png), picture(TagPicture::FrontCover, png),
                      picture(TagPicture::BackCover, png, "Back")};
    const TagPlan plan = tags::plan(input, tags::targetFor(8), ".MP3");
    // ffmpeg copied one of the two undescribed front covers.
    const QList<PlannedPicture> missing = tags::notYetThere(plan.pictures, {picture(TagPicture::FrontCover, {})});
    ASSERT_EQ(missing.size(), 2);
    EXPECT_EQ(missing.at(0).picture.type, int(TagPicture::FrontCover));
    EXPECT_EQ(missing.at(1).picture.description, "Back");
    EXPECT_TRUE(tags::notYetThere(plan.pictures, {picture(3, {}), picture(3, {}), picture(4, {}, "Back")}).isEmpty());
}

TEST(TagTargets, FormatsWithoutTagsOrWithFfmpegsAreNotWritten)
{
    for (int format : {0, 4, 10, 5, 6})
        EXPECT_FALSE(tags::targetFor(format).writes()) << format;
    for (int format : {1, 2, 3, 7, 8, 9, 11, 12, 13, 14, 15})
        EXPECT_TRUE(tags::targetFor(format).writes()) << format;
    EXPECT_EQ(tags::targetFor(15).file, TagFile::OggOpus);
    EXPECT_FALSE(tags::targetFor(formats::kCount).writes());
}

TEST(RunReport, ConvertedFilesWithWarningsAreListedAfterTheFailures)
{
    const RunAlert ok =
        runreport::endOfRun(2, {}, {}, {{"a.mp3", "tags not copied: x"}, {"b.wav", "picture not copied: y"}});
    EXPECT_EQ(ok.message, "Success");
    EXPECT_EQ(ok.informative, "Audio files were converted successfully.\n\n"
                              "a.mp3: converted; tags not copied: x\n"
                              "b.wav: converted; picture not copied: y");
    const RunAlert mixed = runreport::endOfRun(2, {{"c.wav", "ffmpeg failed"}}, {{"a.flac", "a (2).mp3"}},
                                               {{"a.mp3", "tags not copied: x"}});
    EXPECT_TRUE(mixed.informative.startsWith("c.wav: ffmpeg failed\n"));
    EXPECT_TRUE(mixed.informative.endsWith("\n\na.mp3: converted; tags not copied: x"));
    EXPECT_EQ(mixed.openFolderButton, 0);
}

} // namespace quavero
