// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives the output format chooser and the options dialogs the way a user
// does: picking from lists with the keyboard, clicking buttons, moving sliders.
#include <QMap>
#include <QString>
#include <QVector>

class QComboBox;
class QWidget;

namespace quavero {

class TestApp;
class FormatOptionsDialog;
enum class RecordKind;

namespace driver {
// Picks the item at index in a list with the keyboard (Home, then Down).
void pick(QComboBox *combo, int index);
// Picks an output format in the main window.
void pickFormat(TestApp &t, int formatIndex);
// Picks the format and presses the options button; the dialog that opened.
FormatOptionsDialog *openOptions(TestApp &t, int formatIndex);
void pressOK(QWidget *dialog);
void pressCancel(QWidget *dialog);

// One user action on a named control of a dialog: a list pick (value is the
// position), a radio button click (value unused) or a slider move.
struct Step {
    const char *control;
    int value = 0;
};
void apply(QWidget *dialog, const QVector<Step> &steps);

// What every list, radio button, slider, slider value and Default button of a
// dialog shows, by control name: "4|enabled|10" for a list (selected text,
// enabled state, item count), "on"/"off" for a radio button, "100|enabled" for
// a slider, the text of a value label, "enabled"/"disabled" for a button.
QMap<QString, QString> snapshot(QWidget *dialog);

// The fields of a record by field name.
QMap<QString, double> recordValues(TestApp &t, RecordKind record);
} // namespace driver

} // namespace quavero
