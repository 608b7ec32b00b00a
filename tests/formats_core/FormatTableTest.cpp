// The fifteen output formats in combo-box order, and the input extensions.
#include "formats/core/FormatTable.h"

#include <gtest/gtest.h>

TEST(FormatTable, FifteenFormatsInComboOrderWithMp3AsDefault)
{
    const QStringList items{".AC3", ".AIFC", ".AIFF", ".AIF", ".AMR", ".AU",  ".CAF", ".FLAC",
                            ".MP3", ".OGG",  ".RAW",  ".SPX", ".WAV", ".WMA", ".M4A"};
    ASSERT_EQ(formats::all().size(), items.size());
    for (int i = 0; i < items.size(); ++i) {
        EXPECT_EQ(formats::at(i)->index, i);
        EXPECT_EQ(formats::at(i)->item, items[i]);
    }
    EXPECT_EQ(formats::at(formats::kDefaultIndex)->item, ".MP3");
    for (qint64 outside : {qint64(-1), qint64(15), qint64(1) << 40})
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
    EXPECT_EQ(formats::acceptedExtensions(),
              QStringList({"ac3", "aifc", "aiff", "aif", "amr", "au", "caf", "flac", "mp3", "ogg", "raw", "spx",
                           "wav", "wma", "m4a"}));
}
