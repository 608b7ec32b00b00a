// SPDX-License-Identifier: GPL-3.0-or-later
// The waveform pane: the red placeholder before any picture, then the newest
// complete picture stretched over the pane.
#include "TestApp.h"
#include "preview/View_Audio_Wave.h"

#include <QAccessible>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace quavero {

namespace {
bool isRed(QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }

QRect redArea(const QImage &image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isRed(image.pixel(x, y)))
                area |= QRect(x, y, 1, 1);
    return area;
}

QImage render(View_Audio_Wave *view, const QSize &size)
{
    view->resize(size);
    return view->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void writePicture(const QString &path, const QList<QColor> &stripes)
{
    QImage picture(int(stripes.size()) * 10, 10, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int i = 0; i < stripes.size(); ++i)
        painter.fillRect(i * 10, 0, 10, 10, stripes[i]);
    painter.end();
    ASSERT_TRUE(picture.save(path));
}
} // namespace

class WaveformViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
        view = t.app->viewAudioPlot;
        ASSERT_NE(view, nullptr);
    }
    TestApp t;
    View_Audio_Wave *view = nullptr;
};

TEST_F(WaveformViewTest, BeforeAnyLoadTheWordsSitLowOnTheLeftInRedOnBlack)
{
    for (const QSize size : {QSize(600, 180), QSize(900, 300)}) {
        const QImage image = render(view, size);
        const QRect red = redArea(image);
        ASSERT_FALSE(red.isEmpty());
        QFont font("Verdana");
        font.setPointSizeF(24);
        const int lineBottom = size.height() - size.height() / 6;
        // The glyphs start at one twentieth of the width and stand on the
        // baseline, a descent above the line's bottom.
        EXPECT_NEAR(red.left(), size.width() / 20, 4);
        EXPECT_NEAR(red.bottom(), lineBottom - QFontMetrics(font, view).descent(), 3);
        EXPECT_GT(red.height(), 12);
        EXPECT_EQ(image.pixel(size.width() - 2, 2), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(1, size.height() - 2), qRgb(0, 0, 0));
    }
}

TEST_F(WaveformViewTest, TheNewestPictureIsStretchedOverThePane)
{
    const QString work = t.app->s_Output_Folder;
    writePicture(work + "/Spectrum0000.png", {Qt::green});
    writePicture(work + "/Spectrum0001.png", {Qt::red, Qt::blue});
    ASSERT_TRUE(view->showPicture(work + "/Spectrum0000.png", "first.wav"));
    ASSERT_TRUE(view->showPicture(work + "/Spectrum0001.png", "second.wav"));

    for (const QSize size : {QSize(400, 120), QSize(1000, 200)}) {
        const QImage image = render(view, size);
        const int middle = size.height() / 2;
        EXPECT_TRUE(isRed(image.pixel(1, 1)));
        EXPECT_EQ(image.pixel(size.width() / 4, middle), qRgb(255, 0, 0));
        EXPECT_EQ(image.pixel(size.width() * 3 / 4, middle), qRgb(0, 0, 255));
        EXPECT_EQ(image.pixel(size.width() - 2, size.height() - 2), qRgb(0, 0, 255));
    }
}

TEST_F(WaveformViewTest, APictureThatCannotBeReadLeavesWhatThePaneShows)
{
    const QString work = t.app->s_Output_Folder;
    // Before any picture: the words stay.
    EXPECT_FALSE(view->showPicture(work + "/Spectrum0005.png", "missing.wav"));
    EXPECT_FALSE(redArea(render(view, QSize(300, 100))).isEmpty());
    EXPECT_EQ(view->shownFile(), "");

    writePicture(work + "/Spectrum0000.png", {Qt::blue});
    ASSERT_TRUE(view->showPicture(work + "/Spectrum0000.png", "song.flac"));
    QFile half(work + "/Spectrum0001.png"); // a picture cut off while written
    ASSERT_TRUE(half.open(QIODevice::WriteOnly));
    half.write("\x89PNG\r\n");
    half.close();
    EXPECT_FALSE(view->showPicture(half.fileName(), "next.flac"));
    EXPECT_EQ(render(view, QSize(300, 100)).pixel(150, 50), qRgb(0, 0, 255));
    EXPECT_EQ(view->shownFile(), "song.flac");
}

TEST_F(WaveformViewTest, ScreenReadersHearItsNameAndWhatItShows)
{
    QAccessibleInterface *pane = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->text(QAccessible::Name), "Waveform");
    EXPECT_EQ(pane->text(QAccessible::Description), "No Audio Loaded");
    const QString picture = t.app->s_Output_Folder + "/Spectrum0000.png";
    writePicture(picture, {Qt::blue});
    ASSERT_TRUE(view->showPicture(picture, "song.flac"));
    EXPECT_EQ(pane->text(QAccessible::Description), "song.flac");
}

} // namespace quavero
