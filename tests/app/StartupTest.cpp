// Start-up: the work folder, the stored output format and the appearance settings.
#include "TestApp.h"
#include "app/PreferenceKeys.h"
#include "platform/ColorArchive.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::resetHome(); }
};

TEST_F(StartupTest, FirstStartCreatesWorkFolderAndWritesDefaults)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_TRUE(QFileInfo(testenv::workFolder()).isDir());
    EXPECT_EQ(t.app->s_Output_Folder, testenv::workFolder());
    EXPECT_EQ(t.preferences.string(prefkeys::kOutputFormat), "8");
    EXPECT_EQ(t.app->comboboxOutputFormat->currentIndex(), 8);
    EXPECT_EQ(t.preferences.string(prefkeys::kAlternatingRows), "1");
    for (const QString &key : {prefkeys::kColorBackground, prefkeys::kColorSpectrum, prefkeys::kColorTableBackground,
                               prefkeys::kColorTableForeground})
        EXPECT_EQ(t.preferences.string(key + prefkeys::kMarkerSuffix), "Recorded") << key.toStdString();
    EXPECT_EQ(colorarchive::unarchive(t.preferences.data(prefkeys::kColorTableBackground)),
              defaultcolors::tableBackground());
    EXPECT_EQ(t.app->colorSpectrum, defaultcolors::spectrum());
    EXPECT_EQ(t.app->window->windowTitle(), "Quavero");
}
