// SPDX-License-Identifier: GPL-3.0-or-later
// The file list in the main window: Add Files, Add Folder and drops with the
// real ffmpeg on generated files, the progress sheet, the table, header-click
// sorting, Remove, Clear and the cells' text colour.
#include "AddWaits.h"
#include "TestApp.h"
#include "filelist/Window_Progress.h"
#include "filelist/core/SizeText.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMimeData>
#include <QProgressBar>
#include <QTableView>
#include <QTest>
#include <sys/stat.h>
#include <gtest/gtest.h>

namespace quavero {

namespace {
QString tones() { return QDir::homePath() + QStringLiteral("/tones"); }

QString tone(const QString &name) { return tones() + QLatin1Char('/') + name; }

void writeText(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QString cell(const TestApp &t, int row, int column, int role = Qt::DisplayRole)
{
    const QAbstractItemModel *model = t.app->tableviewVideoFiles->model();
    return model->data(model->index(row, column), role).toString();
}

QStringList names(const TestApp &t)
{
    QStringList out;
    for (int row = 0; row < t.app->tableviewVideoFiles->model()->rowCount(); ++row)
        out << cell(t, row, 0);
    return out;
}

void clickHeader(const TestApp &t, int column)
{
    QHeaderView *header = t.app->tableviewVideoFiles->horizontalHeader();
    const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
}

void dropPaths(const TestApp &t, const QStringList &paths, bool *accepted = nullptr)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QWidget *viewport = t.app->tableviewVideoFiles->viewport();
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    if (accepted)
        *accepted = enter.isAccepted();
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
}
} // namespace

namespace {
// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};
} // namespace

class FileListWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Lengths give each file its own size and duration.
        const struct {
            const char *name;
            double seconds;
        } files[] = {{"Track 10.wav", 2.5}, {"track 9.wav", 1.0}, {"Intro.wav", 0.5}, {"f0.wav", 0.2},
                     {"f1.wav", 0.3},       {"f2.wav", 0.4},      {"f3.wav", 0.6},    {"f4.wav", 0.7}};
        for (const auto &f : files)
            ASSERT_FALSE(testenv::makeTone(tone(QString::fromUtf8(f.name)), f.seconds).isEmpty()) << f.name;
    }

    void SetUp() override
    {
        testenv::resetHome();
        t = std::make_unique<TestApp>();
        ASSERT_TRUE(t->start());
    }

    AppDelegate &app() { return *t->app; }

    std::unique_ptr<TestApp> t;
};

TEST_F(FileListWindowTest, AddFilesProbesEachFileKeepsDuplicatesAndStepsInOrder)
{
    t->prompts.fileAnswers.enqueue({tone("Track 10.wav"), tone("track 9.wav"), tone("Track 10.wav")});
    QList<int> steps;
    ASSERT_TRUE(testenv::addAndWait(app(), [&] {
        app().OnUserToolbarAddVideos();
        // The sheet is up, window-modal, while the worker runs.
        ASSERT_NE(app().windowUniqueProgress, nullptr);
        EXPECT_TRUE(app().windowUniqueProgress->isVisible());
        EXPECT_EQ(app().windowUniqueProgress->windowModality(), Qt::WindowModal);
        EXPECT_EQ(app().windowUniqueProgress->progressBar->maximum(), 3);
        EXPECT_TRUE(app().isAdding());
        app().windowUniqueProgress->reject(); // Escape does not end it
        EXPECT_TRUE(app().windowUniqueProgress->isVisible());
        QObject::connect(app().windowUniqueProgress->progressBar, &QProgressBar::valueChanged,
                         [&steps](int value) { steps << value; });
    }));
    EXPECT_EQ(steps, (QList<int>{1, 2, 3}));
    EXPECT_EQ(app().windowUniqueProgress, nullptr);
    EXPECT_FALSE(app().isAdding());

    ASSERT_EQ(app().arrayVideoFiles.count(), 3);
    const NodeVideoFile first = app().arrayVideoFiles.at(0);
    EXPECT_EQ(first.s_File_Path(), tone("Track 10.wav"));
    EXPECT_EQ(first.s_File_URL(), QUrl::fromLocalFile(tone("Track 10.wav")));
    EXPECT_EQ(first.s_Folder_Path(), tones());
    EXPECT_EQ(first.s_Duration(), " 00:00:02.5");
    EXPECT_EQ(first.i_Duration_in_Seconds(), 2);
    EXPECT_EQ(first.u_File_Size_Bytes(), quint64(QFileInfo(tone("Track 10.wav")).size()));
    EXPECT_EQ(first.s_File_Size(), filelist::sizeText(first.u_File_Size_Bytes()));

    // The table shows the list, row by row.
    ASSERT_EQ(app().tableviewVideoFiles->model()->rowCount(), 3);
    EXPECT_EQ(names(*t), (QStringList{"Track 10", "track 9", "Track 10"}));
    EXPECT_EQ(cell(*t, 1, 1), "wav");
    EXPECT_EQ(cell(*t, 1, 2), app().arrayVideoFiles.at(1).s_File_Size());
    EXPECT_EQ(cell(*t, 1, 3), " 00:00:01.0");

    // The same file twice gives two identical entries.
    const NodeVideoFile third = app().arrayVideoFiles.at(2);
    EXPECT_EQ(third.s_File_Path(), first.s_File_Path());
    EXPECT_EQ(third.s_Duration(), first.s_Duration());
    EXPECT_EQ(third.s_File_Size(), first.s_File_Size());
}

TEST_F(FileListWindowTest, UnreadableFileStillGivesAnEntryAndCancelledPanelsAddNothing)
{
    app().OnUserToolbarAddVideos();
    app().OnUserToolbarAddFolder();
    EXPECT_EQ(app().windowUniqueProgress, nullptr);
    EXPECT_FALSE(app().isAdding());
    EXPECT_EQ(app().arrayVideoFiles.count(), 0);

    const QString broken = testenv::freshFolder("broken") + "/noise.wav";
    writeText(broken, "this is not audio at all");
    EXPECT_EQ(app().GetMediaFileDuration(broken), "");
    EXPECT_EQ(app().GetMediaFileDuration(tone("Intro.wav")), " 00:00:00.5");
    t->prompts.fileAnswers.enqueue({broken});
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddVideos(); }));
    ASSERT_EQ(app().arrayVideoFiles.count(), 1);
    EXPECT_EQ(app().arrayVideoFiles.at(0).s_Duration(), "");
    EXPECT_EQ(app().arrayVideoFiles.at(0).i_Duration_in_Seconds(), 0);
    EXPECT_EQ(app().arrayVideoFiles.at(0).s_File_Size(), "24.00 bytes");
}

TEST_F(FileListWindowTest, AddFolderTakesAcceptedExtensionsInAnyLetterCaseOneLevelDeep)
{
    const QString folder = testenv::freshFolder("mixed");
    for (const char *name : {"a.mp3", "b.WAV", "TRACK01.MP3", "Song.Flac", "voice.Opus", "f.wv"})
        ASSERT_TRUE(QFile::copy(tone("Intro.wav"), folder + "/" + name)) << name;
    writeText(folder + "/c.txt", "notes");
    ASSERT_TRUE(QFile::copy(tone("Intro.wav"), folder + "/g.wav.part"));
    ASSERT_TRUE(QDir(folder).mkdir("d"));
    ASSERT_TRUE(QFile::copy(tone("Intro.wav"), folder + "/d/e.mp3"));

    t->prompts.addFolderAnswers.enqueue(folder);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddFolder(); }));
    EXPECT_EQ(names(*t), (QStringList{"a", "b", "f", "Song", "TRACK01", "voice"}));
    const NodeVideoFile entry = app().arrayVideoFiles.at(0);
    EXPECT_EQ(entry.s_File_Path(), folder + "/a.mp3");
    EXPECT_EQ(entry.s_Folder_Path(), folder);
    EXPECT_EQ(entry.s_File_Extension(), "mp3");
    EXPECT_EQ(entry.s_Duration(), " 00:00:00.5");
    // The same rule with the subfolders.
    app().OnUserToolbarClear();
    t->prompts.addFolderAnswers.enqueue(folder);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnMenuAddFolderAndSubfolders(); }));
    EXPECT_EQ(app().arrayVideoFiles.count(), 7);
}

TEST_F(FileListWindowTest, FolderWithoutAcceptedFilesAddsNothingAndLeavesNoSheet)
{
    const QString folder = testenv::freshFolder("nothing");
    writeText(folder + "/c.txt", "notes");
    ASSERT_TRUE(QFile::copy(tone("Intro.wav"), folder + "/b.wave"));
    t->prompts.addFolderAnswers.enqueue(folder);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddFolder(); }));
    EXPECT_EQ(app().windowUniqueProgress, nullptr);
    EXPECT_FALSE(app().isAdding());
    EXPECT_EQ(app().arrayVideoFiles.count(), 0);
}

TEST_F(FileListWindowTest, HeaderClicksSortAlternatelyAndLaterAddsAppendAtTheEnd)
{
    t->prompts.fileAnswers.enqueue({tone("Track 10.wav"), tone("Intro.wav"), tone("track 9.wav")});
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddVideos(); }));

    // Column 1 three times after start: ascending, descending, ascending.
    clickHeader(*t, 0);
    EXPECT_EQ(names(*t), (QStringList{"Intro", "track 9", "Track 10"}));
    clickHeader(*t, 0);
    EXPECT_EQ(names(*t), (QStringList{"Track 10", "track 9", "Intro"}));
    clickHeader(*t, 0);
    EXPECT_EQ(names(*t), (QStringList{"Intro", "track 9", "Track 10"}));

    // Column 3 sorts descending first (by byte count), then column 1 descending too.
    clickHeader(*t, 2);
    EXPECT_EQ(names(*t), (QStringList{"Track 10", "track 9", "Intro"}));
    app().sortDescriptorsDidChange(1); // all "wav": the order stays
    EXPECT_EQ(names(*t), (QStringList{"Track 10", "track 9", "Intro"}));
    clickHeader(*t, 0);
    EXPECT_EQ(names(*t), (QStringList{"Track 10", "track 9", "Intro"}));
    EXPECT_EQ(app().m_b_Col1_Ascenging, 1);
    clickHeader(*t, 3);
    EXPECT_EQ(names(*t), (QStringList{"Track 10", "track 9", "Intro"}));
    EXPECT_EQ(app().m_b_Col4_Ascenging, 1);

    // A later add lands after the sorted entries.
    t->prompts.fileAnswers.enqueue({tone("f0.wav")});
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddVideos(); }));
    EXPECT_EQ(names(*t), (QStringList{"Track 10", "track 9", "Intro", "f0"}));
    clickHeader(*t, 3);
    EXPECT_EQ(names(*t), (QStringList{"f0", "Intro", "track 9", "Track 10"}));
}

TEST_F(FileListWindowTest, RemoveTakesTheSelectedRowsAndClearEmptiesTheList)
{
    t->prompts.fileAnswers.enqueue({tone("f0.wav"), tone("f1.wav"), tone("f2.wav"), tone("f3.wav"), tone("f4.wav")});
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddVideos(); }));

    app().OnUserToolbarRemove(); // nothing selected: nothing removed
    EXPECT_EQ(names(*t), (QStringList{"f0", "f1", "f2", "f3", "f4"}));

    QItemSelectionModel *selection = app().tableviewVideoFiles->selectionModel();
    const QAbstractItemModel *model = app().tableviewVideoFiles->model();
    for (int row : {1, 3})
        selection->select(model->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    app().OnUserToolbarRemove();
    EXPECT_EQ(names(*t), (QStringList{"f0", "f2", "f4"}));
    EXPECT_EQ(app().arrayVideoFiles.count(), 3);

    app().OnUserToolbarClear();
    EXPECT_EQ(app().arrayVideoFiles.count(), 0);
    EXPECT_EQ(model->rowCount(), 0);
    app().OnUserToolbarClear();
    EXPECT_EQ(model->rowCount(), 0);
}

TEST_F(FileListWindowTest, CellTextColourFollowsAlternatingRowsAndAppearance)
{
    t->prompts.fileAnswers.enqueue({tone("f0.wav")});
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddVideos(); }));
    const QAbstractItemModel *model = app().tableviewVideoFiles->model();
    auto colour = [&](int column) { return model->data(model->index(0, column), Qt::ForegroundRole).value<QColor>(); };

    app().colorTableForeground = QColor(200, 30, 40);
    app().b_List_Alternating_Rows = 1;
    t->appearance.dark = true;
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(colour(column), QColor(Qt::white)) << column;
    t->appearance.dark = false;
    EXPECT_EQ(colour(0), QColor(Qt::black));

    app().b_List_Alternating_Rows = 0;
    for (bool dark : {true, false}) {
        t->appearance.dark = dark;
        EXPECT_EQ(colour(3), QColor(200, 30, 40)) << dark;
    }

    // When the desktop changes its appearance, the table is painted anew.
    t->window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(t->window.get()));
    QCoreApplication::processEvents();
    PaintCounter paints(app().tableviewVideoFiles->viewport());
    app().b_List_Alternating_Rows = 1;
    t->appearance.change(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints.count > 0; }, 5000));
    EXPECT_EQ(colour(0), QColor(Qt::white));
}

TEST_F(FileListWindowTest, DroppingAFileAndAFolderAddsTheFileAndTheWholeFolderTree)
{
    const QString folder = testenv::freshFolder("dropped");
    ASSERT_TRUE(QFile::copy(tone("f1.wav"), folder + "/a.mp3"));
    ASSERT_TRUE(QFile::copy(tone("f1.wav"), folder + "/b.WAV"));
    writeText(folder + "/c.txt", "notes");
    ASSERT_TRUE(QDir(folder).mkpath("CD 1"));
    ASSERT_TRUE(QFile::copy(tone("f2.wav"), folder + "/CD 1/d.wav"));

    bool accepted = false;
    ASSERT_TRUE(testenv::addAndWait(app(), [&] {
        dropPaths(*t, {tone("Intro.wav"), folder, folder + "/c.txt"}, &accepted);
    }));
    EXPECT_TRUE(accepted);
    ASSERT_EQ(app().arrayVideoFiles.count(), 4);
    EXPECT_EQ(app().arrayVideoFiles.at(0).s_File_Path(), tone("Intro.wav"));
    EXPECT_EQ(app().arrayVideoFiles.at(1).s_File_Path(), folder + "/a.mp3");
    EXPECT_EQ(app().arrayVideoFiles.at(2).s_File_Path(), folder + "/b.WAV");
    EXPECT_EQ(app().arrayVideoFiles.at(3).s_File_Path(), folder + "/CD 1/d.wav");
    EXPECT_EQ(app().arrayVideoFiles.at(3).s_Duration(), " 00:00:00.4");
    // A dropped file has no relative folder; the dropped folder's files have theirs.
    EXPECT_EQ(app().arrayVideoFiles.at(0).s_Relative_Folder(), "");
    EXPECT_EQ(app().arrayVideoFiles.at(1).s_Relative_Folder(), "");
    EXPECT_EQ(app().arrayVideoFiles.at(3).s_Relative_Folder(), "CD 1");
    EXPECT_EQ(names(*t), (QStringList{"Intro", "a", "b", "d"}));

    // A drag without files is turned away.
    QMimeData text;
    text.setText("just words");
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(app().tableviewVideoFiles->viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(FileListWindowTest, AddFolderAndSubfoldersFromTheFileMenuWalksTheTree)
{
    QAction *command = t->window->findChild<QAction *>("menuItemAddFolderAndSubfolders");
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->text(), QString::fromUtf8("Add Folder and &Subfolders…"));
    EXPECT_EQ(command->shortcut(), QKeySequence("Ctrl+Alt+O"));
    // No other command of the window has the same shortcut.
    for (QAction *other : t->window->findChildren<QAction *>())
        if (other != command) {
            EXPECT_NE(other->shortcut(), command->shortcut()) << other->objectName().toStdString();
        }

    const QString top = testenv::freshFolder("album");
    for (const char *name : {"Disc 10/02.wav", "Disc 2/Bonus/01.wav", "Disc 2/10.wav", "Disc 2/9.wav", "intro.wav"}) {
        QDir().mkpath(QFileInfo(top + "/" + name).absolutePath());
        ASSERT_TRUE(QFile::copy(tone("f0.wav"), top + "/" + name)) << name;
    }
    t->prompts.addFolderAnswers.enqueue(top);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { command->trigger(); }));
    QStringList paths, relative;
    for (const NodeVideoFile &entry : app().arrayVideoFiles.snapshot()) {
        paths << QDir(top).relativeFilePath(entry.s_File_Path());
        relative << entry.s_Relative_Folder();
        EXPECT_EQ(entry.s_Duration(), " 00:00:00.2");
    }
    EXPECT_EQ(paths, (QStringList{"intro.wav", "Disc 2/9.wav", "Disc 2/10.wav", "Disc 2/Bonus/01.wav", "Disc 10/02.wav"}));
    EXPECT_EQ(relative, (QStringList{"", "Disc 2", "Disc 2", "Disc 2/Bonus", "Disc 10"}));

    // Add Folder on the same folder stays one level deep, without relative folders.
    app().OnUserToolbarClear();
    t->prompts.addFolderAnswers.enqueue(top);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnMenuAddFolder(); }));
    ASSERT_EQ(app().arrayVideoFiles.count(), 1);
    EXPECT_EQ(app().arrayVideoFiles.at(0).s_Relative_Folder(), "");

    // Cancelling the panel adds nothing.
    command->trigger();
    EXPECT_FALSE(app().isAdding());
    EXPECT_EQ(app().arrayVideoFiles.count(), 1);
}

TEST_F(FileListWindowTest, AFifoNamedLikeAudioGetsAnEntryAndTheAddEnds)
{
    const QString folder = testenv::freshFolder("fifo");
    ASSERT_TRUE(QFile::copy(tone("f3.wav"), folder + "/a.wav"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + "/x.wav").constData(), 0600), 0);
    t->prompts.addFolderAnswers.enqueue(folder);
    ASSERT_TRUE(testenv::addAndWait(
        app(), [&] { app().OnUserToolbarAddFolder(); }, 1, 15000));
    ASSERT_EQ(app().arrayVideoFiles.count(), 2);
    for (const NodeVideoFile &entry : app().arrayVideoFiles.snapshot()) {
        if (entry.s_File_Name_Without_Extension() == QLatin1String("x")) {
            EXPECT_EQ(entry.s_Duration(), "");
            EXPECT_EQ(entry.i_Duration_in_Seconds(), 0);
        } else {
            EXPECT_EQ(entry.s_Duration(), " 00:00:00.6");
        }
    }
}

TEST_F(FileListWindowTest, RemoveTakesEveryRowOfAScatteredSelection)
{
    t->prompts.fileAnswers.enqueue(
        {tone("f0.wav"), tone("f1.wav"), tone("f2.wav"), tone("f3.wav"), tone("f4.wav"), tone("Intro.wav")});
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddVideos(); }));
    QItemSelectionModel *selection = app().tableviewVideoFiles->selectionModel();
    const QAbstractItemModel *model = app().tableviewVideoFiles->model();
    // Rows 0, 2-3 and 5 as three ranges, one of them selected twice over.
    QItemSelection chosen;
    chosen.select(model->index(0, 0), model->index(0, 3));
    chosen.select(model->index(2, 0), model->index(3, 3));
    chosen.select(model->index(5, 0), model->index(5, 0));
    selection->select(chosen, QItemSelectionModel::ClearAndSelect);
    selection->select(model->index(3, 1), QItemSelectionModel::Select);
    app().OnUserToolbarRemove();
    EXPECT_EQ(names(*t), (QStringList{"f1", "f4"}));
}

TEST_F(FileListWindowTest, WhileAddingRemoveAndClearChangeNothingAndFurtherAddsQueue)
{
    t->prompts.fileAnswers.enqueue({tone("f0.wav"), tone("f1.wav"), tone("f2.wav")});
    t->prompts.fileAnswers.enqueue({tone("f3.wav")});
    ASSERT_TRUE(testenv::addAndWait(
        app(),
        [&] {
            app().OnUserToolbarAddVideos();
            ASSERT_TRUE(app().isAdding());
            app().OnUserToolbarClear();
            app().OnUserToolbarRemove();
            app().OnUserToolbarAddVideos();   // no panel over the sheet
            app().addPaths({tone("f0.txt")}); // nothing to add, queued all the same
            app().addPaths({tone("f4.wav")});
        },
        3));
    EXPECT_EQ(t->prompts.fileAnswers.size(), 1);
    EXPECT_EQ(names(*t), (QStringList{"f0", "f1", "f2", "f4"}));
    EXPECT_FALSE(app().isAdding());
    EXPECT_EQ(app().windowUniqueProgress, nullptr);
}

} // namespace quavero
