// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the windows: every control of the main window
// named, the file table and the waveform pane by their own names, the run
// sheet's bars by their labels, the effect Default buttons and the MP3 lists.
#include "TestApp.h"
#include "formats/EffectsGroup.h"
#include "formats/FormatOptionsDialog.h"
#include "preview/View_Audio_Wave.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTableView>
#include <gtest/gtest.h>

namespace quavero {

namespace {
QString nameOf(QObject *object)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    return interface ? interface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// The names of the labels that label a control (on Linux a list box's name
// is its current item; its label comes through this relation).
QStringList labelsOf(QObject *object)
{
    QStringList labels;
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    if (!interface)
        return labels;
    for (const auto &relation : interface->relations(QAccessible::Label))
        labels << relation.first->text(QAccessible::Name);
    return labels;
}

// A control a screen reader can announce: its own name or a label's.
bool isNamed(QWidget *widget) { return !nameOf(widget).trimmed().isEmpty() || !labelsOf(widget).isEmpty(); }
} // namespace

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
    }
    TestApp t;
};

TEST_F(AccessibilityTest, TheFileTableAndTheWaveformPaneHaveTheirNames)
{
    EXPECT_EQ(nameOf(t.app->tableviewVideoFiles.data()), "Files to convert");
    EXPECT_EQ(nameOf(t.app->viewAudioPlot.data()), "Waveform");
    QAccessibleInterface *pane = QAccessible::queryAccessibleInterface(t.app->viewAudioPlot.data());
    EXPECT_EQ(pane->text(QAccessible::Description), "No Audio Loaded");
    EXPECT_EQ(labelsOf(t.app->comboboxOutputFormat.data()), QStringList{"Output format:"});
}

TEST_F(AccessibilityTest, EveryControlOfTheMainWindowIsNamed)
{
    int controls = 0;
    for (QWidget *widget : t.window->findChildren<QWidget *>()) {
        // A header is named by its sections' titles.
        if (!widget->isVisible() || qobject_cast<QHeaderView *>(widget) ||
            !(qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget) ||
              qobject_cast<QAbstractItemView *>(widget)))
            continue;
        ++controls;
        EXPECT_TRUE(isNamed(widget)) << widget->metaObject()->className() << " " << widget->objectName().toStdString();
    }
    EXPECT_GE(controls, 12); // nine toolbar buttons, the table, the box, the button
}

TEST_F(AccessibilityTest, TheDefaultButtonsSayWhichEffectTheyReset)
{
    EffectsGroup group;
    QStringList names;
    for (QAbstractButton *button : group.findChildren<QAbstractButton *>()) {
        EXPECT_EQ(button->text(), "Default");
        names << nameOf(button);
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{"Default bass", "Default gain", "Default speed", "Default treble"}));
}

TEST_F(AccessibilityTest, TheMp3QualityAndBitrateListsAreLabelled)
{
    t.app->comboboxOutputFormat->setCurrentIndex(8); // .MP3
    t.app->OnComboOutputFormat();
    t.app->OnUserFormatOptions();
    ASSERT_NE(t.app->windowMP3, nullptr);
    int lists = 0;
    for (QComboBox *list : t.app->windowMP3->findChildren<QComboBox *>()) {
        ++lists;
        EXPECT_EQ(labelsOf(list).size(), 1) << list->objectName().toStdString();
    }
    EXPECT_EQ(lists, 5);
    EXPECT_EQ(labelsOf(t.app->windowMP3->findChild<QComboBox *>("comboVBRQuality")), QStringList{"Quality:"});
    EXPECT_EQ(labelsOf(t.app->windowMP3->findChild<QComboBox *>("comboCBRBitrate")), QStringList{"Bitrate (kbit/s):"});
    t.app->Close_Window_MP3();
}

TEST_F(AccessibilityTest, TheRunSheetsBarsAreNamedByTheirLabels)
{
    const QString in = QDir::homePath() + "/a11y-in";
    const QString out = QDir::homePath() + "/a11y-out";
    QDir().mkpath(out);
    const QString tone = testenv::makeTone(in + "/tone.wav", 0.5);
    ASSERT_FALSE(tone.isEmpty());
    t.app->addPaths({tone});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.app->isAdding() && t.app->arrayVideoFiles.count() == 1; }, 20000));

    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    t.prompts.destinationAnswers.enqueue(out);
    t.app->OnUserToolbarConvert();
    QList<QProgressBar *> bars;
    for (QProgressBar *bar : t.window->findChildren<QProgressBar *>())
        if (bar->isVisible())
            bars << bar;
    ASSERT_EQ(bars.size(), 2);
    QStringList labels;
    for (QLabel *label : t.window->findChildren<QLabel *>())
        if (label->buddy())
            labels << label->text();
    for (QProgressBar *bar : bars) {
        const QStringList named = labelsOf(bar);
        ASSERT_EQ(named.size(), 1) << bar->objectName().toStdString();
        EXPECT_TRUE(labels.contains(named.first())) << named.first().toStdString();
    }
    EXPECT_NE(labelsOf(bars[0]), labelsOf(bars[1]));
    ASSERT_TRUE(finished.count() > 0 || finished.wait(60000));
}

} // namespace quavero
