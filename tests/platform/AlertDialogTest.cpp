// SPDX-License-Identifier: GPL-3.0-or-later
// The program's alert: its buttons in a QDialogButtonBox in the desktop's
// order, the index of the pressed one, and the details in a resizable view of
// at least twenty lines.
#include "platform/AlertDialog.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// True when the desktop's layout puts the accept button left of the reject
// button, as a stock OK and Cancel box shows.
bool acceptComesFirst()
{
    QDialogButtonBox reference(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    reference.resize(400, 50);
    reference.show();
    QCoreApplication::processEvents();
    return reference.button(QDialogButtonBox::Ok)->x() < reference.button(QDialogButtonBox::Cancel)->x();
}

QString details(int lines)
{
    QStringList text;
    for (int i = 1; i <= lines; ++i)
        text << QStringLiteral("line %1 of the details").arg(i);
    return text.join('\n');
}
} // namespace

TEST(AlertDialog, ButtonsStandInTheDesktopsOrderAndSayWhichWasPressed)
{
    AlertDialog alert("Success", "Audio files were converted successfully.", QString(), {"Open Output Folder", "Close"},
                      AlertKind::Information, nullptr);
    alert.show();
    QCoreApplication::processEvents();
    const QList<QPushButton *> buttons = alert.buttons();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->parentWidget(), alert.buttonBox());
    EXPECT_EQ(buttons[1]->parentWidget(), alert.buttonBox());
    EXPECT_EQ(buttons[0]->x() < buttons[1]->x(), acceptComesFirst());
    EXPECT_TRUE(buttons[0]->isDefault());
    EXPECT_EQ(alert.detailsButton(), nullptr);
    // A screen reader hears the message as the alert's name.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&alert)->text(QAccessible::Name), "Success");

    buttons[0]->click();
    EXPECT_EQ(alert.result(), QDialog::Accepted);
    EXPECT_EQ(alert.pressedIndex(), 0);

    AlertDialog escaped("Some files were not added.", "a.mp3: not a regular file", QString(), {"Close"},
                        AlertKind::Warning, nullptr);
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_EQ(escaped.pressedIndex(), 0);
    AlertDialog three("m", "i", QString(), {"Go", "Other", "Leave"}, AlertKind::Warning, nullptr);
    three.show();
    QTest::keyClick(&three, Qt::Key_Escape);
    EXPECT_EQ(three.pressedIndex(), 2); // Escape is the last button
}

TEST(AlertDialog, DetailsOpenInAResizableViewOfAtLeastTwentyLines)
{
    AlertDialog alert("1 of 3 files could not be converted.", "b.wav: ffmpeg failed", details(60), {"Close"},
                      AlertKind::Warning, nullptr);
    alert.show();
    QCoreApplication::processEvents();
    QPushButton *toggle = alert.detailsButton();
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(toggle->text(), QString::fromUtf8("Show Details…"));
    EXPECT_EQ(toggle->parentWidget(), alert.buttonBox());
    QPlainTextEdit *view = alert.detailsView();
    EXPECT_FALSE(view->isVisible());

    toggle->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(toggle->text(), QString::fromUtf8("Hide Details…"));
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_TRUE(alert.isSizeGripEnabled());
    const int lineHeight = QFontMetrics(view->font()).lineSpacing();
    EXPECT_GE(view->viewport()->height(), AlertDialog::kDetailLines * lineHeight);
    EXPECT_EQ(view->toPlainText(), details(60));

    // A larger alert gives the details the room.
    const int before = view->height();
    alert.resize(alert.width() + 200, alert.height() + 300);
    QCoreApplication::processEvents();
    EXPECT_GE(view->height(), before + 250);
    EXPECT_GT(alert.maximumHeight(), alert.height());

    toggle->click();
    EXPECT_FALSE(view->isVisible());
}

TEST(AlertDialog, ThePromptsShowItAndGiveThePressedButton)
{
    QtPrompts prompts;
    int found = 0;
    QTimer press;
    press.setInterval(20);
    QObject::connect(&press, &QTimer::timeout, [&] {
        auto *alert = qobject_cast<AlertDialog *>(QApplication::activeModalWidget());
        if (!alert)
            return;
        ++found;
        alert->buttons().at(1)->click();
    });
    press.start();
    QTimer bound; // a failing test ends instead of waiting for ever
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    bound.start(10000);
    EXPECT_EQ(prompts.alertWithDetails("m", "i", "d", {"Open Output Folder", "Close"}, AlertKind::Information), 1);
    EXPECT_EQ(found, 1);
}

} // namespace quavero
