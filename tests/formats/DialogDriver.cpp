// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogDriver.h"

#include "TestApp.h"
#include "formats/FormatOptionsDialog.h"
#include "formats/core/OptionFields.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace driver {
void pick(QComboBox *combo, int index)
{
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), index) << combo->objectName().toStdString();
}

void pickFormat(TestApp &t, int formatIndex) { pick(t.app->comboboxOutputFormat, formatIndex); }

FormatOptionsDialog *openOptions(TestApp &t, int formatIndex)
{
    pickFormat(t, formatIndex);
    t.app->buttonFormatOptions->click();
    return qobject_cast<FormatOptionsDialog *>(QApplication::activeModalWidget());
}

static void pressButton(QWidget *dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->button(which), nullptr);
    box->button(which)->click();
}

void pressOK(QWidget *dialog) { pressButton(dialog, QDialogButtonBox::Ok); }
void pressCancel(QWidget *dialog) { pressButton(dialog, QDialogButtonBox::Cancel); }

void apply(QWidget *dialog, const QVector<Step> &steps)
{
    for (const Step &step : steps) {
        QWidget *w = dialog->findChild<QWidget *>(QString::fromLatin1(step.control));
        ASSERT_NE(w, nullptr) << step.control;
        if (auto *combo = qobject_cast<QComboBox *>(w))
            pick(combo, step.value);
        else if (auto *radio = qobject_cast<QRadioButton *>(w))
            radio->click();
        else if (auto *slider = qobject_cast<QSlider *>(w))
            slider->setValue(step.value);
        else
            ADD_FAILURE() << "no user action for " << step.control;
    }
}

static QString enabled(const QWidget *w)
{
    return w->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
}

QMap<QString, QString> snapshot(QWidget *dialog)
{
    QMap<QString, QString> shown;
    for (auto *c : dialog->findChildren<QComboBox *>())
        shown[c->objectName()] = c->currentText() + '|' + enabled(c) + '|' + QString::number(c->count());
    for (auto *r : dialog->findChildren<QRadioButton *>())
        shown[r->objectName()] = r->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    for (auto *s : dialog->findChildren<QSlider *>())
        shown[s->objectName()] = QString::number(s->value()) + '|' + enabled(s);
    for (auto *l : dialog->findChildren<QLabel *>())
        if (l->objectName().endsWith(QLatin1String("Value")))
            shown[l->objectName()] = l->text();
    for (auto *b : dialog->findChildren<QPushButton *>())
        if (b->objectName().endsWith(QLatin1String("Default")))
            shown[b->objectName()] = enabled(b);
    return shown;
}

QMap<QString, double> recordValues(TestApp &t, RecordKind record)
{
    QMap<QString, double> values;
    for (const OptionField &field : options::fieldsOf(record))
        values[field.recordField] = field.get(t.app->records);
    return values;
}
} // namespace driver

} // namespace quavero
