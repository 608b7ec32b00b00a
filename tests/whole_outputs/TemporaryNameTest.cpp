// SPDX-License-Identifier: GPL-3.0-or-later
// The temporary names outputs are written under: hidden, beside the final
// file, within the 255-byte limit of a name, and telling whose they are.
#include "QtPrinters.h"

#include "convert/core/TemporaryName.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace quavero {

namespace {
QString nameOf(const QString &path) { return path.mid(path.lastIndexOf('/') + 1); }

bool validUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError() && text.toUtf8() == bytes;
}
} // namespace

TEST(TemporaryNameTest, HiddenBesideTheFinalFileWithItsExtensionAndOwner)
{
    const QString temp = tempname::pathFor("/music/out/Album/01 Intro.mp3", 4242, "enc");
    EXPECT_TRUE(temp.startsWith("/music/out/Album/.quavero-part-4242-enc-")) << temp.toStdString();
    EXPECT_TRUE(temp.endsWith(".01 Intro.mp3")) << temp.toStdString();
    EXPECT_EQ(tempname::ownerOf(nameOf(temp)), 4242);

    const QString intermediate = tempname::pathFor("/music/out/Album/01 Intro.flac", 7, "fx", ".wav");
    EXPECT_TRUE(intermediate.endsWith(".01 Intro.wav")) << intermediate.toStdString();
    EXPECT_NE(intermediate, tempname::pathFor("/music/out/Album/01 Intro.flac", 7, "enc", ".wav"));
    EXPECT_NE(temp, tempname::pathFor("/music/out/Album/01 Intro.mp3", 4243, "enc"));
    EXPECT_EQ(tempname::pathFor("relative.mp3", 1, "enc").indexOf('/'), -1);
}

TEST(TemporaryNameTest, AFinalNameOf255BytesGivesATemporaryNameWithinTheLimit)
{
    // 255 bytes of UTF-8: two-, three- and four-byte characters, and a
    // letter with a combining accent that must not lose its accent alone.
    QString stem;
    while (stem.toUtf8().size() < 240)
        stem += QStringLiteral("é中𝄞e\u0301");
    while ((stem + ".flac").toUtf8().size() > 255)
        stem.chop(1);
    while ((stem + ".flac").toUtf8().size() < 255)
        stem += "x";
    const QString finalName = stem + ".flac";
    ASSERT_EQ(finalName.toUtf8().size(), 255);

    const QString temp = nameOf(tempname::pathFor("/out/" + finalName, 4194304, "enc"));
    const QByteArray bytes = temp.toUtf8();
    EXPECT_LE(bytes.size(), 255);
    EXPECT_GT(bytes.size(), 240) << "shortened more than needed";
    EXPECT_TRUE(validUtf8(bytes));
    EXPECT_TRUE(temp.endsWith(".flac"));
    EXPECT_FALSE(temp.contains(QStringLiteral("\uFFFD")));
    EXPECT_EQ(tempname::ownerOf(temp), 4194304);
    // The name is cut between two characters as a reader sees them: never
    // between a letter and its combining accent.
    const qsizetype prefix = temp.indexOf('.', 1) + 1;
    const QString kept = temp.mid(prefix, temp.size() - prefix - 5);
    ASSERT_TRUE(stem.startsWith(kept)) << kept.toStdString();
    ASSERT_LT(kept.size(), stem.size());
    EXPECT_NE(stem.at(kept.size()), QChar(0x0301));
    EXPECT_FALSE(stem.at(kept.size()).isLowSurrogate());

    // Two long names that differ only past the cut get two temporary files.
    const QString a = tempname::pathFor("/out/" + stem.left(200) + QString(60, 'a') + ".mp3", 1, "enc");
    const QString b = tempname::pathFor("/out/" + stem.left(200) + QString(60, 'b') + ".mp3", 1, "enc");
    EXPECT_NE(a, b);
    EXPECT_LE(nameOf(a).toUtf8().size(), 255);
}

TEST(TemporaryNameTest, OnlyOurPatternTellsAnOwnerAndIsEverStale)
{
    const auto dead = [](qint64) { return false; };
    const auto alive = [](qint64) { return true; };
    const QString ours = nameOf(tempname::pathFor("/out/a.mp3", 99, "enc"));
    EXPECT_TRUE(tempname::isStale(ours, dead));
    EXPECT_FALSE(tempname::isStale(ours, alive));
    for (const char *user : {"a.mp3", ".quavero-library.db", ".quavero-part-99-enc.a.mp3",
                             "quavero-part-99-enc-0123abcd.a.mp3", ".quavero-part-0-enc-0123abcd.a.mp3",
                             ".quavero-part-99-ENC-0123abcd.a.mp3", ".quavero-part-x-enc-0123abcd.a.mp3",
                             ".quavero-part-99-enc-0123abcz.a.mp3", ".quavero-part-99-enc-0123abcd"}) {
        EXPECT_FALSE(tempname::ownerOf(user)) << user;
        EXPECT_FALSE(tempname::isStale(user, dead)) << user;
    }
}

} // namespace quavero
