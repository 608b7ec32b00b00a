// SPDX-License-Identifier: GPL-3.0-or-later
// The colour archive of the preferences store: lossless both ways, and
// anything else decodes to an invalid colour.
#include "app/PreferenceKeys.h"
#include "platform/ColorArchive.h"

#include <QRgba64>
#include <gtest/gtest.h>

namespace quavero {

TEST(ColorArchive, DefaultColoursComeBackWithTheirExactComponents)
{
    const struct {
        QColor color;
        float red, green, blue;
    } defaults[] = {
        {defaultcolors::background(), 0, 0, 0},
        {defaultcolors::spectrum(), 0, 1, 0},
        {defaultcolors::tableBackground(), 82 / 255.0f, 82 / 255.0f, 82 / 255.0f},
        {defaultcolors::tableForeground(), 1, 1, 1},
    };
    for (const auto &d : defaults) {
        SCOPED_TRACE(d.color.name().toStdString());
        const QColor back = colorarchive::unarchive(colorarchive::archive(d.color));
        EXPECT_EQ(back, d.color);
        EXPECT_EQ(back.spec(), d.color.spec());
        EXPECT_EQ(back.rgba64(), d.color.rgba64());
        EXPECT_FLOAT_EQ(back.redF(), d.red);
        EXPECT_FLOAT_EQ(back.greenF(), d.green);
        EXPECT_FLOAT_EQ(back.blueF(), d.blue);
        EXPECT_FLOAT_EQ(back.alphaF(), 1.0f);
    }
    // The gray is 82 of 255 in every channel.
    EXPECT_EQ(defaultcolors::tableBackground().rgb(), qRgb(82, 82, 82));
}

TEST(ColorArchive, AnyColourSurvivesTheRoundTrip)
{
    const QColor colors[] = {
        QColor::fromRgba64(1, 65534, 12345, 32768),
        QColor::fromRgbF(0.1f, 0.2f, 0.3f, 0.0f),
        QColor::fromHsv(300, 10, 200, 7),
        QColor::fromCmykF(0.1f, 0.2f, 0.3f, 0.4f),
        QColor(Qt::transparent),
    };
    for (const QColor &color : colors) {
        const QColor back = colorarchive::unarchive(colorarchive::archive(color));
        EXPECT_EQ(back, color) << color.name(QColor::HexArgb).toStdString();
    }
}

TEST(ColorArchive, BytesThatHoldNoArchivedColourGiveAnInvalidColour)
{
    QByteArray truncated = colorarchive::archive(Qt::red);
    truncated.chop(3);
    QByteArray otherMagic = colorarchive::archive(Qt::red);
    otherMagic[0] = char(otherMagic[0] ^ 0x55);
    for (const QByteArray &bytes : {QByteArray(), QByteArray("not a colour"), truncated, otherMagic})
        EXPECT_FALSE(colorarchive::unarchive(bytes).isValid()) << bytes.toHex().toStdString();
}

} // namespace quavero
