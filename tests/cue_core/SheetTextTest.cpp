// SPDX-License-Identifier: GPL-3.0-or-later
// A sheet's bytes as text once the encoding is known, the text as libcue
// takes it, and the failures in plain words.
#include "QtPrinters.h"
#include "cue/core/SheetFailure.h"
#include "cue/core/SheetText.h"

#include <gtest/gtest.h>

namespace quavero {

TEST(CueSheetText, EncodingsDecodeAndByteOrderMarksAreDropped)
{
    QString text;
    EXPECT_EQ(cue::bomEncoding("\xEF\xBB\xBFTITLE"), "UTF-8");
    EXPECT_EQ(cue::bomEncoding("\xFF\xFET\0"), "UTF-16LE");
    EXPECT_EQ(cue::bomEncoding("TITLE"), "");

    ASSERT_TRUE(cue::decode("\xEF\xBB\xBFTITLE \"Caf\xC3\xA9\"", "UTF-8", &text));
    EXPECT_EQ(text, QString::fromUtf8("TITLE \"Caf\xC3\xA9\""));
    ASSERT_TRUE(cue::decode("TITLE \"Caf\xE9 \x80\"", "WINDOWS-1252", &text));
    EXPECT_EQ(text, QString::fromUtf8("TITLE \"Caf\xC3\xA9 \xE2\x82\xAC\""));
    ASSERT_TRUE(cue::decode("TITLE x", "ASCII", &text));

    // A sequence cut off at the end does not fit UTF-8 either.
    EXPECT_FALSE(cue::decode("Caf\xE9", "UTF-8", &text));
    EXPECT_FALSE(cue::decode(QByteArray("TITLE\0x", 7), "UTF-8", &text));
    EXPECT_FALSE(cue::decode("TITLE", "NO-SUCH-ENCODING", &text));
    EXPECT_TRUE(cue::isUtf8("Caf\xC3\xA9"));
    EXPECT_FALSE(cue::isUtf8("Caf\xE9"));
}

TEST(CueSheetText, EveryLineEndsInANewlineForTheParser)
{
    EXPECT_EQ(cue::forParser("TITLE \"a\"\r\nFILE \"b\" WAVE"), QByteArray("TITLE \"a\"\nFILE \"b\" WAVE\n"));
    EXPECT_EQ(cue::forParser("A\rB\n"), QByteArray("A\nB\n"));
    EXPECT_EQ(cue::forParser(QString::fromUtf8("T \"\xC3\xA9\"")), QByteArray("T \"\xC3\xA9\"\n"));
}

TEST(CueSheetText, FailuresNameTheSheetWhatFailedAndWhatToDo)
{
    cue::SheetFailure f;
    EXPECT_EQ(f.text(), "");
    f.kind = cue::FailureKind::MissingImage;
    f.source = "album.cue";
    f.file = "image.flac";
    EXPECT_EQ(f.text(), "album.cue: the sheet names image.flac, which is not in its folder; put the file beside "
                        "the sheet or correct the sheet's FILE line");
    f.kind = cue::FailureKind::OutOfOrder;
    f.track = 3;
    f.file = "100%1.flac";
    EXPECT_EQ(f.text(), "album.cue: track 3 does not start after the track before it in 100%1.flac; correct the "
                        "INDEX 01 times in the sheet");
    f.kind = cue::FailureKind::NotASheet;
    EXPECT_TRUE(f.text().startsWith("album.cue: this is not a CUE sheet"));
}

} // namespace quavero
