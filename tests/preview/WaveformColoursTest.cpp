// SPDX-License-Identifier: GPL-3.0-or-later
// The waveform in the colours of the colours dialog: the picture is drawn in
// the wave colour over the background colour, under the start values as the
// dialog shows them, and choosing other colours redraws the shown picture.
#include "PreviewFixture.h"

#include "appearance/ColorWell.h"
#include "appearance/Window_Colors.h"
#include "preview/View_Audio_Wave.h"

#include <QImage>
#include <QMap>

namespace quavero {

namespace {
// The pane as it is drawn now.
QImage paneImage(View_Audio_Wave *pane)
{
    pane->resize(400, 120);
    return pane->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// How many pixels of the image have each colour.
QMap<QRgb, int> colourCounts(const QImage &image)
{
    QMap<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    return counts;
}

// True when some pixel is close to the colour (the picture is scaled, so
// its edges are blends).
bool shows(const QImage &image, const QColor &colour)
{
    for (const auto &[rgb, count] : colourCounts(image).toStdMap()) {
        const QColor c(rgb);
        if (qAbs(c.red() - colour.red()) < 8 && qAbs(c.green() - colour.green()) < 8 && qAbs(c.blue() - colour.blue()) < 8)
            return true;
    }
    return false;
}

// The colour most pixels of the image have.
QColor mostCommon(const QImage &image)
{
    const QMap<QRgb, int> counts = colourCounts(image);
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    return QColor(best);
}
} // namespace

class WaveformColoursTest : public PreviewFixture {
protected:
    View_Audio_Wave *pane() const { return t->app->viewAudioPlot; }

    // Picks the colours in the dialog and presses OK.
    void chooseColours(const QColor &background, const QColor &wave)
    {
        t->app->OnUserToolbarColors();
        Window_Colors *dialog = t->app->windowColors;
        ASSERT_NE(dialog, nullptr);
        t->prompts.colorAnswers.enqueue(background);
        dialog->colorSpectrumBackground->click();
        t->prompts.colorAnswers.enqueue(wave);
        dialog->colorSpectrumForeground->click();
        dialog->OnOK();
    }
};

TEST_F(WaveformColoursTest, UnderTheStartValuesThePaneLooksAsTheDialogSays)
{
    listentries::add(*t, {tone("a.wav")});
    ASSERT_TRUE(selectAndWaitPrepared({0}));
    t->app->OnUserToolbarColors();
    ASSERT_NE(t->app->windowColors, nullptr);
    const QColor background = t->app->windowColors->colorSpectrumBackground->color();
    const QColor wave = t->app->windowColors->colorSpectrumForeground->color();
    t->app->Cancel_Window_Colors();

    const QImage shown = paneImage(pane());
    EXPECT_EQ(mostCommon(shown), background);
    EXPECT_TRUE(shows(shown, wave)) << wave.name().toStdString();
    // The picture itself holds only the wave, on nothing.
    const QImage picture(t->app->sCurrentSpectrumFile);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
}

TEST_F(WaveformColoursTest, OtherColoursRedrawTheShownPicture)
{
    listentries::add(*t, {tone("a.wav")});
    ASSERT_TRUE(selectAndWaitPrepared({0}));
    const QString first = t->app->sCurrentSpectrumFile;

    const QColor background(250, 250, 240), wave(200, 30, 30);
    QSignalSpy redrawn(t->app.get(), &AppDelegate::waveformRedrawn);
    chooseColours(background, wave);
    // The background is there at once; the wave once ffmpeg has drawn it.
    EXPECT_EQ(pane()->background(), background);
    EXPECT_EQ(mostCommon(paneImage(pane())), background);
    ASSERT_TRUE(redrawn.wait(20000));
    EXPECT_NE(t->app->sCurrentSpectrumFile, first);
    const QImage shown = paneImage(pane());
    EXPECT_TRUE(shows(shown, wave));
    EXPECT_FALSE(shows(shown, QColor(0, 255, 0)));
    EXPECT_EQ(pane()->shownFile(), "a.wav");

    // The same colours again make no new picture.
    const QString second = t->app->sCurrentSpectrumFile;
    chooseColours(background, wave);
    EXPECT_FALSE(redrawn.wait(500));
    EXPECT_EQ(t->app->sCurrentSpectrumFile, second);
}

TEST_F(WaveformColoursTest, ColoursChosenBeforeAnyPreviewAreUsedByTheNextOne)
{
    const QColor background(10, 20, 120), wave(255, 200, 0);
    chooseColours(background, wave);
    // The placeholder stands on the chosen background.
    EXPECT_EQ(mostCommon(paneImage(pane())), background);

    listentries::add(*t, {tone("a.wav")});
    ASSERT_TRUE(selectAndWaitPrepared({0}));
    EXPECT_TRUE(shows(paneImage(pane()), wave));

    // And they are what the next start shows.
    TestApp again;
    ASSERT_TRUE(again.start());
    EXPECT_EQ(again.app->viewAudioPlot->background(), background);
}

} // namespace quavero
