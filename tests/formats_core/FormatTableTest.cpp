// SPDX-License-Identifier: GPL-3.0-or-later
// The fifteen output formats in combo-box order, the input extensions, and
// the stored output format read back.
#include "formats/core/FormatTable.h"
#include "formats/core/StoredFormat.h"

#include <gtest/gtest.h>

namespace quavero {

TEST(FormatTable, SixteenFormatsInComboOrderWithMp3AsDefaultAndOpusAppended)
{
    const QStringList items{".AC3", ".AIFC", ".AIFF", ".AIF", ".AMR", ".AU",  ".CAF", ".FLAC",
                            ".MP3", ".OGG",  ".RAW",  ".SPX", ".WAV", ".WMA", ".M4A", ".OPUS"};
    ASSERT_EQ(formats::all().size(), items.size());
    for (int i = 0; i < items.size(); ++i) {
        EXPECT_EQ(formats::at(i)->index, i);
        EXPECT_EQ(formats::at(i)->item, items[i]);
    }
    EXPECT_EQ(formats::at(formats::kDefaultIndex)->item, ".MP3");
    for (qint64 outside : {qint64(-1), qint64(16), qint64(1) << 40})
        EXPECT_EQ(formats::at(outside), nullptr) << outside;
}

TEST(FormatTable, NamesFindTheirFormatWhateverTheirCase)
{
    EXPECT_EQ(formats::indexFromName("mp3"), 8);
    EXPECT_EQ(formats::indexFromName(".Flac"), 7);
    EXPECT_EQ(formats::indexFromName(" m4a "), 14);
    EXPECT_EQ(formats::indexFromName("aif"), 3);
    EXPECT_EQ(formats::indexFromName("mp4"), -1);
    EXPECT_EQ(formats::indexFromName(""), -1);
}

TEST(FormatTable, AcceptedInputExtensions)
{
    EXPECT_EQ(
        formats::acceptedExtensions(),
        QStringList({"ac3",  "aifc", "aiff", "aif", "amr", "au",  "caf", "flac", "mp3", "ogg", "raw", "spx", "wav",
                     "wma",  "m4a",  "opus", "oga", "ogx", "wv",  "ape", "aac",  "m4b", "m4r", "mp4", "mka", "mkv",
                     "webm", "tta",  "tak",  "mpc", "dsf", "dff", "w64", "mp2",  "mpa", "snd", "voc"}));
    EXPECT_EQ(formats::indexFromName("opus"), 15);
    EXPECT_EQ(formats::at(15)->extension, ".opus");
}

TEST(StoredFormat, IsReadAsLeadingIntegerAndFallsBackToMp3WhenUnusable)
{
    const struct {
        const char *stored;
        int index;
    } cases[] = {
        {"", 0},
        {"  ", 0},
        {"0", 0},
        {"3", 3},
        {"14", 14},
        {" 12 ", 12},
        {"7 (FLAC)", 7},
        {"+5", 5},
        {"15", 15},
        {"16", 8},
        {"-1", 8},
        {"1000", 8},
        {"99999999999999999999999", 8},
        {"-99999999999999999999999", 8},
        {"abc", 8},
        {".MP3", 8},
        {"\xd9\xa3", 8} /* an Arabic-Indic three */,
        {"-", 8},
        {"- 3", 8},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formats::indexFromStored(QString::fromUtf8(c.stored)), c.index) << c.stored;
}

} // namespace quavero
