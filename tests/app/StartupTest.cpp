// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the work folder, the stored output format and the appearance
// settings, driven with the real preferences store in the test's HOME.
#include "StoredSettings.h"
#include "TestApp.h"
#include "app/PreferenceKeys.h"
#include "formats/core/FormatTable.h"
#include "platform/ColorArchive.h"
#include "platform/core/ChildProcess.h"
#include "platform/core/FileSystem.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTableView>
#include <gtest/gtest.h>

namespace quavero {

namespace {
const QStringList kColorKeys{prefkeys::kColorBackground, prefkeys::kColorSpectrum, prefkeys::kColorTableBackground,
                             prefkeys::kColorTableForeground};

// Custom colours, one per key of kColorKeys, unlike every default.
const QList<QColor> kCustomColors{QColor(10, 20, 30), QColor(200, 100, 50, 128), QColor(1, 2, 3), QColor(250, 240, 230)};

QList<QColor> loadedColors(const AppDelegate &app)
{
    return {app.colorBackground, app.colorSpectrum, app.colorTableBackground, app.colorTableForeground};
}

QList<QColor> defaultColors()
{
    return {defaultcolors::background(), defaultcolors::spectrum(), defaultcolors::tableBackground(),
            defaultcolors::tableForeground()};
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A store as a later start finds it: every appearance key set by an earlier
// run, with custom colours and plain rows, and a work folder.
void prepareLaterStart()
{
    ASSERT_TRUE(QDir().mkpath(testenv::workFolder()));
    for (int i = 0; i < kColorKeys.size(); ++i)
        storedsettings::putColor(kColorKeys[i], kCustomColors[i]);
    storedsettings::put(prefkeys::kAlternatingRows, QStringLiteral("0"));
}
} // namespace

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::resetHome(); }
    void TearDown() override
    {
        // The failure case puts a plain file where the documents folder goes.
        if (fs::exists(testenv::documentsFolder()) && !fs::isFolder(testenv::documentsFolder()))
            fs::remove(testenv::documentsFolder());
        testenv::resetHome();
    }
};

TEST_F(StartupTest, FirstStartCreatesWorkFolderAndWritesEveryDefault)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_TRUE(fs::isFolder(testenv::workFolder()));
    EXPECT_EQ(t.app->s_Output_Folder, testenv::workFolder());
    EXPECT_FALSE(t.app->s_Output_Folder.endsWith(QLatin1Char('/')));

    EXPECT_EQ(t.preferences.string(prefkeys::kOutputFormat), "8");
    EXPECT_EQ(t.app->m_i_Output_Format, 8);
    EXPECT_EQ(t.app->comboboxOutputFormat->count(), formats::kCount);
    EXPECT_EQ(t.app->comboboxOutputFormat->currentText(), ".MP3");

    EXPECT_EQ(t.preferences.string(prefkeys::kAlternatingRows), "1");
    EXPECT_EQ(t.app->b_List_Alternating_Rows, 1);
    EXPECT_EQ(loadedColors(*t.app), defaultColors());
    for (int i = 0; i < kColorKeys.size(); ++i) {
        const QString &key = kColorKeys[i];
        EXPECT_EQ(t.preferences.string(key + prefkeys::kMarkerSuffix), "Recorded") << key.toStdString();
        EXPECT_EQ(colorarchive::unarchive(t.preferences.data(key)), defaultColors()[i]) << key.toStdString();
    }
    // Nothing else is written: the output format, the rows flag, four colours and their markers.
    EXPECT_EQ(storedsettings::all().size(), 10);

    // Rows on: the light desktop's white rows, as after the colours dialog's OK.
    EXPECT_TRUE(t.app->tableviewVideoFiles->alternatingRowColors());
    EXPECT_EQ(t.app->tableviewVideoFiles->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(t.app->window->windowTitle(), "Quavero");
    EXPECT_TRUE(t.app->window->isVisible());
    EXPECT_TRUE(t.prompts.alerts.isEmpty());
    EXPECT_EQ(t.exitStatus, -1);
}

TEST_F(StartupTest, FirstStartResetsControllerStateAndFindsTheProgramsItRuns)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    AppDelegate &a = *t.app;
    EXPECT_EQ(a.m_b_Col1_Ascenging, 1);
    EXPECT_EQ(a.m_b_Col2_Ascenging + a.m_b_Col3_Ascenging + a.m_b_Col4_Ascenging, 0);
    EXPECT_EQ(a.arrayVideoFiles.count(), 0);
    EXPECT_TRUE(a.s_Audio_File.isEmpty());
    EXPECT_TRUE(a.s_Audio_URL.isEmpty());
    EXPECT_TRUE(a.s_WAV_File.isEmpty());
    EXPECT_EQ(a.sound, nullptr);
    EXPECT_EQ(a.i_PlayingStatus, 0);
    EXPECT_EQ(a.i_Audio_Duration_Seconds, 0);
    EXPECT_EQ(a.iCurrentSpectrumIndex, 0);
    EXPECT_EQ(a.b_Audio_Loaded, 0);
    EXPECT_EQ(a.records.m_AF_MP3.i_SampleRate(), 6); // the records hold their start values
    for (const QString &path : {a.sffmpegPath, a.sSoxPath})
        EXPECT_TRUE(child::canRun(path)) << path.toStdString();
    EXPECT_TRUE(a.sffmpegPath.endsWith(QStringLiteral("ffmpeg")));
    EXPECT_TRUE(a.sSoxPath.endsWith(QStringLiteral("sox")));
}

TEST_F(StartupTest, LaterStartRestoresStoredSettingsWithoutRewritingThem)
{
    {
        TestApp first;
        ASSERT_TRUE(first.start());
    }
    for (int i = 0; i < kColorKeys.size(); ++i)
        storedsettings::putColor(kColorKeys[i], kCustomColors[i]);
    storedsettings::put(prefkeys::kOutputFormat, QStringLiteral("3"));
    storedsettings::put(prefkeys::kAlternatingRows, QStringLiteral("0"));
    const auto before = storedsettings::all();

    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.app->m_i_Output_Format, 3);
    EXPECT_EQ(t.app->comboboxOutputFormat->currentText(), ".AIF");
    EXPECT_EQ(t.app->b_List_Alternating_Rows, 0);
    EXPECT_EQ(loadedColors(*t.app), kCustomColors);
    EXPECT_EQ(t.app->tableviewVideoFiles->palette().color(QPalette::Base), kCustomColors[2]);
    EXPECT_FALSE(t.app->tableviewVideoFiles->alternatingRowColors());
    EXPECT_EQ(storedsettings::all(), before);
}

TEST_F(StartupTest, WorkFolderWithoutStoredFormatSelectsFirstFormatAndLeavesKeyUnwritten)
{
    ASSERT_TRUE(QDir().mkpath(testenv::workFolder()));
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.app->m_i_Output_Format, 0);
    EXPECT_EQ(t.app->comboboxOutputFormat->currentText(), ".AC3");
    EXPECT_FALSE(t.preferences.contains(prefkeys::kOutputFormat));
}

// Whatever the stored output format holds, start-up goes on, selects a
// format that exists and writes nothing. How each text is read is the
// StoredFormat test's table; these are one of each kind.
TEST_F(StartupTest, StoredFormatIsReadAsLeadingIntegerAndFallsBackToMp3WhenUnusable)
{
    const struct {
        const char *stored;
        int index;
    } cases[] = {
        {"7 (FLAC)", 7},
        {"1000", 8},
        {"abc", 8},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        testenv::resetHome();
        prepareLaterStart();
        storedsettings::put(prefkeys::kOutputFormat, QString::fromUtf8(c.stored));
        const auto before = storedsettings::all();

        TestApp t;
        ASSERT_TRUE(t.start());
        EXPECT_EQ(t.app->m_i_Output_Format, c.index);
        EXPECT_EQ(t.app->comboboxOutputFormat->currentIndex(), c.index);
        EXPECT_EQ(loadedColors(*t.app), kCustomColors);
        EXPECT_EQ(t.app->b_List_Alternating_Rows, 0);
        EXPECT_EQ(storedsettings::all(), before);
    }
}

TEST_F(StartupTest, RemovedMarkerResetsThatColourAndWritesBothKeysAgain)
{
    for (int changed = 0; changed < kColorKeys.size(); ++changed) {
        const QString &key = kColorKeys[changed];
        SCOPED_TRACE(key.toStdString());
        testenv::resetHome();
        prepareLaterStart();
        storedsettings::remove(key + prefkeys::kMarkerSuffix);

        TestApp t;
        ASSERT_TRUE(t.start());
        QList<QColor> expected = kCustomColors;
        expected[changed] = defaultColors()[changed];
        EXPECT_EQ(loadedColors(*t.app), expected);
        EXPECT_EQ(colorarchive::unarchive(t.preferences.data(key)), defaultColors()[changed]);
        EXPECT_EQ(t.preferences.string(key + prefkeys::kMarkerSuffix), "Recorded");
    }
}

// A marker that is set with colour data that cannot be decoded (or is
// missing) gives the default colour, and the store is left as it was.
TEST_F(StartupTest, UndecodableStoredColourGivesDefaultAndTouchesNothing)
{
    const QList<QVariant> broken{QByteArray("not a colour"), QByteArray(), QVariant(QStringLiteral("red"))};
    for (const QVariant &data : broken) {
        SCOPED_TRACE(data.toString().toStdString());
        testenv::resetHome();
        prepareLaterStart();
        storedsettings::put(prefkeys::kOutputFormat, QStringLiteral("9"));
        storedsettings::put(prefkeys::kColorSpectrum, data);
        const auto before = storedsettings::all();

        TestApp t;
        ASSERT_TRUE(t.start());
        QList<QColor> expected = kCustomColors;
        expected[1] = defaultcolors::spectrum();
        EXPECT_EQ(loadedColors(*t.app), expected);
        EXPECT_EQ(t.app->m_i_Output_Format, 9);
        EXPECT_EQ(storedsettings::all(), before);
    }
}

TEST_F(StartupTest, EmptyRowsValueIsWrittenAsOneButStoredZeroIsKept)
{
    prepareLaterStart();
    storedsettings::put(prefkeys::kAlternatingRows, QString());
    {
        TestApp t;
        ASSERT_TRUE(t.start());
        EXPECT_EQ(t.app->b_List_Alternating_Rows, 1);
        EXPECT_EQ(t.preferences.string(prefkeys::kAlternatingRows), "1");
    }
    storedsettings::put(prefkeys::kAlternatingRows, QStringLiteral("0"));
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.app->b_List_Alternating_Rows, 0);
    EXPECT_EQ(t.preferences.string(prefkeys::kAlternatingRows), "0");
}

TEST_F(StartupTest, WorkFolderIsEmptiedButKeptAndNothingOutsideIsDeleted)
{
    const QString work = testenv::workFolder();
    const QString outside = testenv::freshFolder(QStringLiteral("outside"));
    writeFile(outside + "/kept/inside.txt", "outside folder content");
    writeFile(outside + "/song.wav", "outside file content");

    writeFile(work + "/preview.wav", "scratch");
    writeFile(work + "/.hidden", "scratch");
    writeFile(work + "/nested/Spectrum0001.png", "scratch");
    writeFile(work + "/nested/deeper/still/song001.flac", "scratch");
    ASSERT_TRUE(QDir().mkpath(work + "/nested/empty"));
    ASSERT_TRUE(QFile::link(outside + "/kept", work + "/link-to-folder"));
    ASSERT_TRUE(QFile::link(outside + "/song.wav", work + "/link-to-file.wav"));
    ASSERT_TRUE(QFile::link(outside + "/kept", work + "/nested/deeper/link-to-folder"));
    ASSERT_TRUE(QFile::link(outside + "/gone", work + "/dangling"));

    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_TRUE(fs::isFolder(work));
    EXPECT_EQ(fs::listFolder(work), QStringList());
    EXPECT_EQ(readFile(outside + "/kept/inside.txt"), "outside folder content");
    EXPECT_EQ(readFile(outside + "/song.wav"), "outside file content");
    // A later start is not mistaken for a first one.
    EXPECT_FALSE(t.preferences.contains(prefkeys::kOutputFormat));
}

TEST_F(StartupTest, WorkFolderPathThatIsALinkIsNotEmptiedThroughTheLink)
{
    const QString outside = testenv::freshFolder(QStringLiteral("elsewhere"));
    writeFile(outside + "/keep.txt", "kept");
    ASSERT_TRUE(QDir().mkpath(testenv::documentsFolder()));
    ASSERT_TRUE(QFile::link(outside, testenv::workFolder()));
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_EQ(readFile(outside + "/keep.txt"), "kept");
    EXPECT_TRUE(QFileInfo(testenv::workFolder()).isSymLink());
}

TEST_F(StartupTest, PlainFileAtWorkFolderPathCountsAsExisting)
{
    writeFile(testenv::workFolder(), "a file, not a folder");
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_FALSE(fs::isFolder(testenv::workFolder()));
    EXPECT_EQ(readFile(testenv::workFolder()), "a file, not a folder");
    EXPECT_FALSE(t.preferences.contains(prefkeys::kOutputFormat));
    EXPECT_EQ(t.app->m_i_Output_Format, 0);
    EXPECT_TRUE(t.prompts.alerts.isEmpty());
}

TEST_F(StartupTest, WorkFolderThatCannotBeCreatedShowsFailureAlertAndExitsWithZero)
{
    // The documents folder is a plain file, so nothing can be created below it.
    fs::remove(testenv::documentsFolder());
    writeFile(testenv::documentsFolder(), "not a folder");
    TestApp t;
    EXPECT_FALSE(t.start());
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_EQ(t.prompts.alerts[0].message, "Error");
    EXPECT_EQ(t.prompts.alerts[0].informative, "Error #0008. Application will exit.");
    EXPECT_EQ(t.prompts.alerts[0].buttons, QStringList{"Close"});
    EXPECT_EQ(t.exitStatus, 0);
    EXPECT_TRUE(storedsettings::all().isEmpty());
    EXPECT_FALSE(t.app->window->isVisible());
}

} // namespace quavero
