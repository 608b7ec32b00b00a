// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A started application with audio files in its list, for the preview tests.
#include "ListEntries.h"
#include "TestApp.h"

#include <QAction>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace quavero {

class PreviewFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        t = std::make_unique<TestApp>();
        ASSERT_TRUE(t->start());
        folder = testenv::freshFolder(QStringLiteral("preview-input"));
    }

    QString tone(const QString &name, double seconds = 1.0)
    {
        const QString path = testenv::makeTone(folder + QLatin1Char('/') + name, seconds);
        EXPECT_FALSE(path.isEmpty()) << name.toStdString();
        return path;
    }

    // Selects the rows and waits for the preparation that a single row starts.
    bool selectAndWaitPrepared(const QList<int> &rows, bool *success = nullptr)
    {
        QSignalSpy prepared(t->app.get(), &AppDelegate::previewPrepared);
        listentries::select(t->app->tableviewVideoFiles, rows);
        if (!prepared.wait(20000))
            return false;
        if (success)
            *success = prepared.first().first().toBool();
        return true;
    }

    QList<QAction *> mainCommands() const
    {
        return {t->app->toolbarItemAdd, t->app->toolbarItemFolder, t->app->toolbarItemRemove, t->app->toolbarItemClear,
                t->app->toolbarItemConvert};
    }
    bool mainCommandsEnabled(bool enabled) const
    {
        for (QAction *item : mainCommands())
            if (item->isEnabled() != enabled)
                return false;
        return true;
    }
    // Toolbar Play, Pause, Stop, then menu Play, Pause, Stop, as "YNN YNN".
    QString playbackItems() const
    {
        QString text;
        const QList<QAction *> items = {
            t->app->toolbarItemPlay, t->app->toolbarItemPause, t->app->toolbarItemStop, nullptr,
            t->app->menuItemPlay,    t->app->menuItemPause,    t->app->menuItemStop};
        for (QAction *item : items)
            text += item ? QLatin1Char(item->isEnabled() ? 'Y' : 'N') : QLatin1Char(' ');
        return text;
    }
    QString work(const QString &name) const { return t->app->s_Output_Folder + QLatin1Char('/') + name; }

    std::unique_ptr<TestApp> t;
    QString folder;
};

} // namespace quavero
