// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every format options dialog shares. A dialog declares, in its
// constructor, which list edits which record field, which radio buttons pick
// the value of a mode field, and where its effects group is; this class then
// fills the lists, offering only the choices the format's encoder takes
// (each item keeps the position the record stores), shows the record, writes
// it back on OK (in the declared order: mode, lists, then gain, treble, bass,
// speed) and leaves it alone on Cancel. "Restore Defaults" in the button box
// shows the format's start values, written like any others on OK. A dialog's
// own code is only its enable rules.
#include <QDialog>
#include <QVector>
#include <functional>

#include "formats/core/FormatTable.h"

class QComboBox;
class QRadioButton;

namespace quavero {

class EffectsGroup;

struct FormatRecords;
struct OptionField;

class FormatOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog edits `records` (the part of them that belongs to `record`)
    // and asks onClose to end it: the controller's Close_Window_<format>.
    FormatOptionsDialog(RecordKind record, FormatRecords &records, std::function<void()> onClose, QWidget *parent);
    ~FormatOptionsDialog() override;

    RecordKind record() const { return m_record; }

    // Called on OK after the record is written, before the dialog is closed:
    // the controller keeps the options for the next start.
    void setOnAccepted(std::function<void()> onAccepted) { m_onAccepted = std::move(onAccepted); }

    // Fills the lists and shows the record's current values. Called once,
    // before the dialog is shown.
    void windowDidLoad();
    // Shows the format's start values; OK writes them, Cancel keeps the record.
    void OnUserRestoreDefaults();
    // Writes every field of the record, then asks to be closed.
    void OnUserOK();
    // Asks to be closed; the record is left untouched.
    void OnUserCancel();
    // Ends the dialog's sheet. Called by the close operation.
    void endSheet();

    // OK in the button box, Return, Escape and the window's close box all
    // end through the close operation.
    void accept() override;
    void reject() override;

protected:
    // One radio button of a mode: the value it stands for, and the lists
    // that are usable while it is on.
    struct ModeChoice {
        QRadioButton *button;
        qint64 value;
        QVector<QWidget *> enables;
    };

    // Declarations, made by each dialog's constructor.
    // A choose-only list showing the labels of recordField.
    void bindList(QComboBox *combo, const char *recordField);
    // Radio buttons that together edit recordField. On opening, the button of
    // the stored value is turned on and the others off (an unknown value
    // leaves them as the layout made them). OK stores the value of the first
    // button that is on, in declared order, else whenNoneOn.
    void bindMode(const char *recordField, const QVector<ModeChoice> &choices, qint64 whenNoneOn);
    // The effects group editing f_Speed, i_Gain, i_Treble and i_Bass.
    void bindEffects(EffectsGroup *group);

    // The dialog's enable rules, applied after opening, after a mode click and
    // after the user picks from a list. None by default.
    virtual void applyEnableRules() {}
    void Enable_Sox_Options(bool enabled);

private:
    struct ListBinding {
        QComboBox *combo;
        const OptionField *field;
    };
    const OptionField &fieldNamed(const char *recordField) const;
    void fillList(const ListBinding &list, const FormatRecords &records, qint64 position);
    static qint64 shownPosition(const ListBinding &list);
    // Offers again, in every list, what the encoder takes with the options
    // the dialog shows now.
    void offerWhatTheEncoderTakes();
    void OnUserMode(const ModeChoice &clicked);
    void showMode(const ModeChoice &on);
    void showValues(const FormatRecords &records);

    RecordKind m_record;
    FormatRecords &m_records;
    std::function<void()> m_onClose;
    std::function<void()> m_onAccepted;
    QVector<ListBinding> m_lists;
    const OptionField *m_modeField = nullptr;
    QVector<ModeChoice> m_modeChoices;
    qint64 m_whenNoneOn = 0;
    EffectsGroup *m_effects = nullptr;
};

} // namespace quavero
