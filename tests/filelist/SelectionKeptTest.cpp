// SPDX-License-Identifier: GPL-3.0-or-later
// The table's selection over reloads: a sort, the end of an add and the
// colours dialog's OK keep the selected entries selected wherever they moved;
// Remove and Clear leave nothing selected.
#include "ListEntries.h"
#include "TestApp.h"
#include "appearance/Window_Colors.h"
#include "filelist/core/KeptSelection.h"

#include <QItemSelectionModel>
#include <QStringListModel>
#include <QTableView>
#include <gtest/gtest.h>

namespace quavero {

namespace {
QStringList selectedNames(const TestApp &t)
{
    QStringList names;
    const QTableView *table = t.app->tableviewVideoFiles;
    for (const QModelIndex &row : table->selectionModel()->selectedRows())
        names << table->model()->index(row.row(), 0).data().toString();
    names.sort();
    return names;
}

QString currentName(const TestApp &t)
{
    const QModelIndex current = t.app->tableviewVideoFiles->selectionModel()->currentIndex();
    return current.isValid() ? current.siblingAtColumn(0).data().toString() : QString();
}

int rowOf(const TestApp &t, const QString &name)
{
    const QAbstractItemModel *model = t.app->tableviewVideoFiles->model();
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, 0).data().toString() == name)
            return row;
    return -1;
}
} // namespace

class SelectionKeptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
        listentries::add(t, {"/music/c.mp3", "/music/a.mp3", "/music/d.mp3", "/music/b.mp3"});
    }
    void selectNames(const QStringList &names)
    {
        QList<int> rows;
        for (const QString &name : names)
            rows << rowOf(t, name);
        listentries::select(t.app->tableviewVideoFiles, rows);
        QItemSelectionModel *selection = t.app->tableviewVideoFiles->selectionModel();
        selection->setCurrentIndex(t.app->tableviewVideoFiles->model()->index(rows.last(), 0),
                                   QItemSelectionModel::NoUpdate);
    }
    TestApp t;
};

TEST_F(SelectionKeptTest, ASortKeepsTheSelectedEntriesAndTheCurrentOneWhereverTheyMove)
{
    selectNames({"a", "d"});
    for (int click = 0; click < 3; ++click) {
        t.app->sortDescriptorsDidChange(0);
        EXPECT_EQ(selectedNames(t), (QStringList{"a", "d"})) << click;
        EXPECT_EQ(currentName(t), "d") << click;
    }
    EXPECT_EQ(rowOf(t, "a"), 0); // three clicks: ascending again
}

TEST_F(SelectionKeptTest, KeepingOneSelectedRowDoesNotPrepareItsPreviewAgain)
{
    selectNames({"b"});
    ASSERT_TRUE(t.app->timerHandleAudioTracks.isActive());
    t.app->timerHandleAudioTracks.stop();
    t.app->EnableToolbar(true);
    t.app->sortDescriptorsDidChange(0);
    EXPECT_EQ(selectedNames(t), QStringList{"b"});
    EXPECT_FALSE(t.app->timerHandleAudioTracks.isActive());
    EXPECT_TRUE(t.app->toolbarItemAdd->isEnabled());
}

TEST_F(SelectionKeptTest, TheEndOfAnAddAndColoursOkKeepTheSelection)
{
    selectNames({"c", "b"});
    listentries::add(t, {"/music/e.mp3"}); // reloads as an add's end does
    EXPECT_EQ(selectedNames(t), (QStringList{"b", "c"}));

    t.app->OnUserToolbarColors();
    ASSERT_NE(t.app->windowColors, nullptr);
    t.app->windowColors->OnOK();
    EXPECT_EQ(selectedNames(t), (QStringList{"b", "c"}));
    EXPECT_EQ(currentName(t), "b");
}

TEST_F(SelectionKeptTest, RemoveAndClearLeaveNothingSelected)
{
    // Two entries of the same file: removing one must not select the other.
    listentries::add(t, {"/music/a.mp3"});
    selectNames({"a"});
    t.app->OnUserToolbarRemove();
    EXPECT_EQ(t.app->tableviewVideoFiles->model()->rowCount(), 4);
    EXPECT_TRUE(selectedNames(t).isEmpty());
    EXPECT_EQ(currentName(t), "");

    selectNames({"c", "d"});
    t.app->OnUserToolbarClear();
    EXPECT_TRUE(selectedNames(t).isEmpty());
    listentries::add(t, {"/music/c.mp3"});
    EXPECT_TRUE(selectedNames(t).isEmpty());
}

TEST(KeptSelection, FindsEachKeptRowOnceAmongDuplicatesAfterTheRowsMoved)
{
    QStringListModel model({"x", "y", "x", "z", "x"});
    QItemSelectionModel selection(&model);
    for (int row : {0, 2, 3})
        selection.select(model.index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection.setCurrentIndex(model.index(3, 0), QItemSelectionModel::NoUpdate);
    const KeptSelection kept = KeptSelection::take(selection, Qt::DisplayRole);
    EXPECT_FALSE(kept.isEmpty());

    model.setStringList({"z", "x", "y", "x", "x"});
    selection.clear();
    kept.restore(selection);
    QList<int> rows;
    for (const QModelIndex &index : selection.selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (QList<int>{0, 1, 3})); // z and two of the three x
    EXPECT_EQ(selection.currentIndex().row(), 0);
}

TEST(KeptSelection, NothingKeptRestoresNothing)
{
    QStringListModel model({"x", "y"});
    QItemSelectionModel selection(&model);
    const KeptSelection kept = KeptSelection::take(selection, Qt::DisplayRole);
    EXPECT_TRUE(kept.isEmpty());
    selection.select(model.index(1, 0), QItemSelectionModel::Select);
    kept.restore(selection);
    EXPECT_TRUE(selection.isRowSelected(1, QModelIndex()));
}

} // namespace quavero
