// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion run as the user meets it: the checks before the folder
// chooser, Cancel, failures among good files, outputs that would replace an
// input, and the end-of-run alert.
#include "RunSupport.h"

#include "app/PreferenceKeys.h"
#include "convert/core/ShellQuote.h"
#include "convert/engine/ConversionRun.h"
#include "platform/core/BundledPrograms.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>

namespace quavero {

using namespace runsupport;

namespace {
class WindowRun : public RunFixture {
protected:
    QByteArray hashOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1)
                                           : QByteArray();
    }
    void clickCancel()
    {
        ASSERT_TRUE(t.app->windowConvert);
        auto *cancel = t.app->windowConvert->findChild<QPushButton *>("btnCancel");
        ASSERT_TRUE(cancel);
        cancel->click();
    }
};
} // namespace

TEST(RunTimingsTest, TheProgramPausesAsDecided)
{
    const RunTimings defaults;
    EXPECT_EQ(defaults.firstStepMs, 100);
    EXPECT_EQ(defaults.betweenFilesMs, 2000);
}

TEST_F(WindowRun, EmptyListOnlyAlerts)
{
    t.app->OnUserToolbarConvert();
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_EQ(t.prompts.alerts.at(0).message, "There are no audio files on the list.");
    EXPECT_EQ(t.prompts.alerts.at(0).informative, "There are no audio files on the list. Add audio files to convert.");
    EXPECT_EQ(t.prompts.alerts.at(0).buttons, QStringList{"Close"});
    EXPECT_EQ(t.prompts.destinationAsked, 0);
}

TEST_F(WindowRun, MissingProgramIsNamedBeforeTheFolderChooser)
{
    t.app->arrayVideoFiles.append(testentries::entryFor(in + "/a.wav", 1));
    t.app->sffmpegPath = in + "/no-such-ffmpeg";
    t.app->OnUserToolbarConvert();
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_TRUE(t.prompts.alerts.at(0).message.contains("ffmpeg"));
    EXPECT_TRUE(t.prompts.alerts.at(0).informative.contains("apt install ffmpeg"));
    EXPECT_EQ(t.prompts.destinationAsked, 0);

    // sox matters only where the effects stage follows.
    t.app->sffmpegPath = bundled::programPath("ffmpeg");
    t.app->sSoxPath = in + "/no-such-sox";
    t.app->m_i_Output_Format = 12; // .WAV
    t.app->OnUserToolbarConvert();
    ASSERT_EQ(t.prompts.alerts.size(), 2);
    EXPECT_TRUE(t.prompts.alerts.at(1).message.contains("sox"));
    EXPECT_TRUE(t.prompts.alerts.at(1).informative.contains("apt install sox"));
    EXPECT_EQ(t.prompts.destinationAsked, 0);

    t.app->m_i_Output_Format = 8; // .MP3: no sox needed, the chooser comes
    t.app->OnUserToolbarConvert();
    EXPECT_EQ(t.prompts.destinationAsked, 1);
}

TEST_F(WindowRun, DismissedChooserStartsNothing)
{
    addTone(t, in + "/a.wav");
    t.app->s_Folder_Target = "/earlier";
    t.app->OnUserToolbarConvert();
    EXPECT_EQ(t.prompts.destinationAsked, 1);
    EXPECT_TRUE(t.app->s_Folder_Target.isEmpty());
    EXPECT_FALSE(t.app->isConverting());
    EXPECT_TRUE(t.prompts.alerts.isEmpty());
}

TEST_F(WindowRun, SuccessOffersTheOutputFolderAndConvertDuringARunIsRefused)
{
    addTone(t, in + "/a.wav");
    addTone(t, in + "/b.wav");
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    t.prompts.destinationAnswers.enqueue(out);
    t.app->OnUserToolbarConvert();
    ASSERT_TRUE(t.app->isConverting());
    EXPECT_TRUE(t.app->windowConvert->isVisible());
    EXPECT_EQ(t.app->windowConvert->windowModality(), Qt::WindowModal);
    EXPECT_EQ(t.app->windowConvert->progress->maximum(), 2);

    t.prompts.destinationAnswers.enqueue(in);
    t.app->OnMenuConvert();
    EXPECT_EQ(t.prompts.destinationAsked, 1);
    EXPECT_EQ(t.app->s_Folder_Target, out);
    t.prompts.destinationAnswers.clear();

    ASSERT_TRUE(finished.wait(30000));
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_EQ(t.prompts.alerts.at(0).message, "Success");
    EXPECT_EQ(t.prompts.alerts.at(0).kind, AlertKind::Information);
    EXPECT_EQ(t.desktop.openedFolders, QStringList{out});
    EXPECT_GT(sizeOf(out + "/a.mp3"), 0);
    EXPECT_GT(sizeOf(out + "/b.mp3"), 0);
    EXPECT_FALSE(t.app->isConverting());

    // "Close" opens nothing; a second run asks for its folder again.
    const QString second = testenv::freshFolder("second");
    t.prompts.alertAnswers.enqueue(1);
    ASSERT_TRUE(convertInto(t, second));
    EXPECT_EQ(t.prompts.destinationAsked, 2);
    EXPECT_EQ(t.desktop.openedFolders, QStringList{out});
    EXPECT_GT(sizeOf(second + "/a.mp3"), 0);
}

TEST_F(WindowRun, RejectedFileIsReportedAndTheRunGoesOn)
{
    addTone(t, in + "/good1.wav");
    QFile bad(in + "/bad.wav");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("this is not audio at all");
    bad.close();
    t.app->arrayVideoFiles.append(testentries::entryFor(bad.fileName(), 0));
    addTone(t, in + "/good2.wav");
    t.app->m_i_Output_Format = 12; // through ffmpeg and sox

    ASSERT_TRUE(convertInto(t, out));
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    const ShownAlert &alert = t.prompts.alerts.at(0);
    EXPECT_EQ(alert.message, "1 of 3 files could not be converted.");
    EXPECT_TRUE(alert.informative.contains("bad.wav: not an audio file ffmpeg can read"))
        << alert.informative.toStdString();
    EXPECT_FALSE(alert.informative.contains("good"));
    EXPECT_EQ(alert.buttons, QStringList({"Open Output Folder", "Close"}));
    EXPECT_EQ(alert.kind, AlertKind::Warning);
    EXPECT_GT(sizeOf(out + "/good1.wav"), 0);
    EXPECT_GT(sizeOf(out + "/good2.wav"), 0);
    EXPECT_FALSE(QFileInfo::exists(out + "/bad.wav"));
    EXPECT_EQ(t.desktop.openedFolders, QStringList{out});
}

TEST_F(WindowRun, OutputsThatWouldReplaceAnInputAreRefusedOrNumbered)
{
    // a.mp3 converted to .MP3 into its own folder would replace itself: it
    // fails. a.wav would write the same a.mp3, another file of the list: it
    // takes the next free numbered name instead. No input is touched.
    const QString own = addTone(t, out + "/a.mp3");
    const QString other = addTone(t, in + "/a.wav");
    const QByteArray ownHash = hashOf(own);
    const QByteArray otherHash = hashOf(other);

    ASSERT_TRUE(convertInto(t, out));
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    const ShownAlert &alert = t.prompts.alerts.at(0);
    EXPECT_EQ(alert.message, "1 of 2 files could not be converted.");
    EXPECT_TRUE(alert.informative.contains("a.mp3: the output would replace an input file"));
    EXPECT_FALSE(alert.informative.contains("a.wav: the output would replace an input file"));
    EXPECT_TRUE(alert.informative.contains("a (2).mp3")) << alert.informative.toStdString();
    EXPECT_EQ(hashOf(own), ownHash);
    EXPECT_EQ(hashOf(other), otherHash);
    EXPECT_GT(sizeOf(out + "/a (2).mp3"), 0);
}

TEST_F(WindowRun, EffectsOutputOntoAnInputThroughALinkIsRefused)
{
    const QString own = addTone(t, in + "/x.wav");
    const QByteArray hash = hashOf(own);
    ASSERT_TRUE(QFile::link(in, QDir::homePath() + "/link"));
    t.app->m_i_Output_Format = 12; // sox would write the final path
    ASSERT_TRUE(convertInto(t, QDir::homePath() + "/link"));
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_TRUE(t.prompts.alerts.at(0).informative.contains("x.wav: the output would replace an input file"));
    EXPECT_EQ(hashOf(own), hash);
}

TEST_F(WindowRun, CancelWhileEncodingLetsTheEntryCompleteAndConvertsNoMore)
{
    // Long enough that ffmpeg is still at work when Cancel is pressed.
    addTone(t, in + "/long.wav", 120);
    addTone(t, in + "/next.wav");
    t.app->m_i_Output_Format = 7; // .FLAC: ffmpeg, then sox
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    t.prompts.destinationAnswers.enqueue(out);
    t.app->OnUserToolbarConvert();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.app->windowConvert && t.app->windowConvert->isConvertingEntry(); }, 10000));
    QPointer<Window_Convert> run = t.app->windowConvert;
    clickCancel();

    EXPECT_FALSE(t.app->isConverting());
    EXPECT_FALSE(run->isVisible());
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_TRUE(t.prompts.alerts.isEmpty());
    EXPECT_NEAR(testenv::probeDuration(out + "/long.flac"), 120, 0.5);
    EXPECT_FALSE(QFileInfo::exists(out + "/next.flac"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return run.isNull(); }, 5000));
}

TEST_F(WindowRun, CancelDuringThePauseConvertsNothingMore)
{
    TestApp slow(RunTimings{10, 2000});
    ASSERT_TRUE(slow.start());
    addTone(slow, in + "/first.wav");
    addTone(slow, in + "/second.wav");
    QSignalSpy finished(slow.app.get(), &AppDelegate::conversionFinished);
    slow.prompts.destinationAnswers.enqueue(out);
    slow.app->OnUserToolbarConvert();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return slow.app->windowConvert && slow.app->windowConvert->progress->value() == 1; }, 20000));
    QPointer<Window_Convert> run = slow.app->windowConvert;
    ASSERT_FALSE(run->isConvertingEntry());
    ASSERT_TRUE(run->run()->isPausing());
    EXPECT_EQ(run->filesText(), "Waiting for the next file…");
    run->findChild<QPushButton *>("btnCancel")->click();

    ASSERT_TRUE(finished.count() == 1 || finished.wait(5000));
    EXPECT_FALSE(slow.app->isConverting());
    EXPECT_GT(sizeOf(out + "/first.mp3"), 0);
    // The pending step goes with the closed window: nothing more is converted.
    ASSERT_TRUE(QTest::qWaitFor([&] { return run.isNull(); }, 5000));
    EXPECT_FALSE(QFileInfo::exists(out + "/second.mp3"));
    EXPECT_TRUE(slow.prompts.alerts.isEmpty());
}

TEST_F(WindowRun, PerFileBarFollowsFfmpeg)
{
    addTone(t, in + "/long.wav", 60);
    t.app->m_i_Output_Format = 8;
    t.prompts.destinationAnswers.enqueue(out);
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    t.app->OnUserToolbarConvert();
    QSignalSpy values(t.app->windowConvert->progressUnit.data(), &QProgressBar::valueChanged);
    ASSERT_TRUE(finished.wait(60000));
    int highest = 0;
    for (const QList<QVariant> &v : values)
        highest = qMax(highest, v.at(0).toInt());
    EXPECT_GT(highest, 0);
    EXPECT_LE(highest, 100);
}

// a.wav and a.flac to .MP3, one at a time and two at once: both are kept, the
// alert still says "Success" and names the renamed file, and its details
// tell where it went.
TEST_F(WindowRun, SameNamesAreNumberedAndTheAlertNamesTheRename)
{
    const QString wav = addTone(t, in + "/a.wav", 0.3);
    const QString flac = addTone(t, in + "/a.flac", 0.6);
    t.app->m_i_Output_Format = 8;
    for (const char *atOnce : {"1", "2"}) {
        SCOPED_TRACE(atOnce);
        t.preferences.setString(prefkeys::kFilesAtOnce, atOnce);
        const QString dest = testenv::freshFolder("same-names");
        t.prompts.alerts.clear();
        ASSERT_TRUE(convertInto(t, dest));
        EXPECT_NEAR(testenv::probeDuration(dest + "/a.mp3"), 0.3, 0.08);
        EXPECT_NEAR(testenv::probeDuration(dest + "/a (2).mp3"), 0.6, 0.08);
        ASSERT_EQ(t.prompts.alerts.size(), 1);
        const ShownAlert &alert = t.prompts.alerts.at(0);
        EXPECT_EQ(alert.message, "Success");
        EXPECT_TRUE(alert.informative.startsWith("Audio files were converted successfully.\n\n"));
        EXPECT_TRUE(alert.informative.endsWith("a.flac: saved as a (2).mp3")) << alert.informative.toStdString();
        EXPECT_EQ(alert.buttons, QStringList({"Open Output Folder", "Close"}));
        EXPECT_TRUE(alert.details.startsWith(flac + "\nSaved as " + dest + "/a (2).mp3: another file of this run"))
            << alert.details.toStdString();
        EXPECT_FALSE(alert.details.contains(wav + "\n"));
    }
}

// Entries added with their subfolders keep them below the destination; the
// others go straight into it.
TEST_F(WindowRun, RelativeFoldersAreKeptBelowTheDestination)
{
    for (const char *album : {"Album A", "Album B"}) {
        const QString tone = testenv::makeTone(in + "/" + album + "/01 Intro.flac", 0.3);
        NodeVideoFile entry = testentries::entryFor(tone, 0);
        entry.setS_Relative_Folder(album);
        t.app->arrayVideoFiles.append(entry);
    }
    addTone(t, in + "/Album A/01 Intro.wav", 0.3); // added on its own: no relative folder
    t.app->m_i_Output_Format = 12;                 // .WAV, through sox
    ASSERT_TRUE(convertInto(t, out));
    EXPECT_GT(sizeOf(out + "/Album A/01 Intro.wav"), 0);
    EXPECT_GT(sizeOf(out + "/Album B/01 Intro.wav"), 0);
    EXPECT_GT(sizeOf(out + "/01 Intro.wav"), 0);
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_EQ(t.prompts.alerts.at(0).informative, "Audio files were converted successfully.");
    EXPECT_EQ(t.prompts.alerts.at(0).details, "");
}

// The details of a failed run: the input, the reason in plain words, the
// program's own words, the command as --dry-run prints it and the end of
// ffmpeg's output.
TEST_F(WindowRun, TheDetailsOfAFailedRun)
{
    addTone(t, in + "/good.wav", 0.3);
    QFile notes(in + "/notes.mp3");
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("These are my notes, not music.\n");
    notes.close();
    t.app->arrayVideoFiles.append(testentries::entryFor(notes.fileName(), 0));
    t.app->m_i_Output_Format = 8;
    ASSERT_TRUE(convertInto(t, out));
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    const ShownAlert &alert = t.prompts.alerts.at(0);
    EXPECT_EQ(alert.message, "1 of 2 files could not be converted.");
    EXPECT_TRUE(alert.informative.contains("notes.mp3: not an audio file ffmpeg can read"));
    const QStringList lines = alert.details.split('\n');
    ASSERT_GE(lines.size(), 6) << alert.details.toStdString();
    EXPECT_EQ(lines.at(0), notes.fileName());
    EXPECT_EQ(lines.at(1), "Reason: not an audio file ffmpeg can read; check that the file is complete and really "
                           "holds audio");
    EXPECT_EQ(lines.at(2), "Message: file://" + notes.fileName() + ": Invalid argument");
    EXPECT_EQ(lines.at(3), "Command:");
    EXPECT_EQ(lines.at(4),
              "    " + shell::commandLine(t.app->sffmpegPath, encoder::build(8, testentries::entryFor(notes.fileName()),
                                                                             out, t.app->s_Output_Folder, t.app->records)
                                                                  .arguments));
    EXPECT_EQ(lines.at(5), "Last lines of its output:");
    EXPECT_EQ(lines.last(), "    file://" + notes.fileName() + ": Invalid argument");
    EXPECT_LE(lines.size() - 6, 20);
    EXPECT_FALSE(alert.details.contains("good.wav"));
}

} // namespace quavero

namespace quavero {

using namespace runsupport;

// The run converts with the options as they were at Convert: an options
// dialog closed with OK while the run goes on changes no entry of it.
TEST_F(WindowRun, OptionsChangedDuringTheRunReachNoEntryOfIt)
{
    addTone(t, in + "/first.wav", 1.0);
    addTone(t, in + "/second.wav", 1.0);
    t.app->m_i_Output_Format = 12; // .WAV: ffmpeg, then sox with the effects
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    t.prompts.destinationAnswers.enqueue(out);
    t.app->OnUserToolbarConvert();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.app->windowConvert && t.app->windowConvert->isConvertingEntry(); }, 10000));
    t.app->records.m_AF_WAV.setF_Speed(2.0f);
    t.app->records.m_AF_WAV.setI_Samplerate(0);
    t.app->m_i_Output_Format = 8;
    ASSERT_TRUE(finished.count() > 0 || finished.wait(60000));
    for (const QString &name : {QStringLiteral("first.wav"), QStringLiteral("second.wav")}) {
        EXPECT_NEAR(testenv::probeDuration(out + "/" + name), 1.0, 0.05) << name.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out + "/" + QFileInfo(name).completeBaseName() + ".mp3"));
    }
}

} // namespace quavero
