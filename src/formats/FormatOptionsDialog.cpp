// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/FormatOptionsDialog.h"

#include "formats/EffectsGroup.h"
#include "formats/core/ChoiceLimits.h"
#include "formats/core/OptionFields.h"
#include "formats/core/Records.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>

namespace quavero {

FormatOptionsDialog::FormatOptionsDialog(RecordKind record, FormatRecords &records, std::function<void()> onClose,
                                         QWidget *parent)
    : QDialog(parent), m_record(record), m_records(records), m_onClose(std::move(onClose))
{
}

FormatOptionsDialog::~FormatOptionsDialog() = default;

const OptionField &FormatOptionsDialog::fieldNamed(const char *recordField) const
{
    const OptionField *field = options::byRecordField(m_record, QLatin1String(recordField));
    if (!field)
        qFatal("An options dialog names the record field %s, which its record does not have", recordField);
    return *field;
}

void FormatOptionsDialog::bindList(QComboBox *combo, const char *recordField)
{
    // Choose-only: no typed text can reach the record.
    combo->setEditable(false);
    m_lists.append({combo, &fieldNamed(recordField)});
    // Only a pick by the user applies the rules; selecting by code does not.
    // A pick may change what another list may offer (M4A's codec, the rates).
    connect(combo, &QComboBox::activated, this, [this] {
        offerWhatTheEncoderTakes();
        applyEnableRules();
    });
}

void FormatOptionsDialog::bindMode(const char *recordField, const QVector<ModeChoice> &choices, qint64 whenNoneOn)
{
    m_modeField = &fieldNamed(recordField);
    m_modeChoices = choices;
    m_whenNoneOn = whenNoneOn;
    for (int i = 0; i < m_modeChoices.size(); ++i)
        connect(m_modeChoices[i].button, &QRadioButton::clicked, this, [this, i] { OnUserMode(m_modeChoices[i]); });
}

void FormatOptionsDialog::bindEffects(EffectsGroup *group) { m_effects = group; }

void FormatOptionsDialog::windowDidLoad()
{
    // Every dialog's button box gets the button once, here, rather than in
    // each layout.
    if (auto *box = findChild<QDialogButtonBox *>(); box && !box->button(QDialogButtonBox::RestoreDefaults)) {
        QPushButton *restore = box->addButton(QDialogButtonBox::RestoreDefaults);
        restore->setText(tr("Restore Defaults"));
        restore->setAccessibleDescription(tr("Shows the start values of this format's options; OK keeps them"));
        connect(restore, &QPushButton::clicked, this, &FormatOptionsDialog::OnUserRestoreDefaults);
    }
    showValues(m_records);
}

void FormatOptionsDialog::OnUserRestoreDefaults() { showValues(startRecords()); }

void FormatOptionsDialog::showValues(const FormatRecords &records)
{
    // Lists that are disabled get their selection too, so switching modes
    // later shows the stored value.
    for (const ListBinding &list : std::as_const(m_lists))
        fillList(list, records, qint64(list.field->get(records)));
    if (m_modeField) {
        const qint64 mode = qint64(m_modeField->get(records));
        for (const ModeChoice &choice : std::as_const(m_modeChoices))
            if (choice.value == mode)
                showMode(choice);
    }
    if (m_effects)
        m_effects->showValues(float(fieldNamed("f_Speed").get(records)), qint64(fieldNamed("i_Gain").get(records)),
                              qint64(fieldNamed("i_Treble").get(records)), qint64(fieldNamed("i_Bass").get(records)));
    applyEnableRules();
}

// The list's choices the encoder takes with these options, each item
// holding the position the record keeps, and selected: the stored position,
// or for a choice the encoder refuses (stored before it was refused) the one
// it would take instead. A position outside the list selects nothing.
void FormatOptionsDialog::fillList(const ListBinding &list, const FormatRecords &records, qint64 position)
{
    const int formatIndex = formats::indexOfRecord(m_record);
    const QVector<int> offered = formats::offeredPositions(formatIndex, records, *list.field);
    list.combo->clear();
    for (const int offer : offered)
        list.combo->addItem(
            QCoreApplication::translate("FormatLabels", list.field->choices->label(offer).toUtf8().constData()), offer);
    if (!list.field->choices->at(position)) {
        list.combo->setCurrentIndex(-1);
        return;
    }
    const int shown = formats::shownPosition(offered, *list.field, formats::limitsFor(formatIndex, records), position);
    list.combo->setCurrentIndex(list.combo->findData(shown));
}

qint64 FormatOptionsDialog::shownPosition(const ListBinding &list)
{
    return list.combo->currentIndex() >= 0 ? list.combo->currentData().toLongLong() : -1;
}

void FormatOptionsDialog::offerWhatTheEncoderTakes()
{
    // The options as the dialog shows them, not yet stored.
    FormatRecords shown = m_records;
    for (const ListBinding &list : std::as_const(m_lists))
        if (list.combo->currentIndex() >= 0)
            list.field->set(shown, double(shownPosition(list)));
    const int formatIndex = formats::indexOfRecord(m_record);
    for (const ListBinding &list : std::as_const(m_lists)) {
        const QVector<int> offered = formats::offeredPositions(formatIndex, shown, *list.field);
        QVector<int> present;
        for (int i = 0; i < list.combo->count(); ++i)
            present << list.combo->itemData(i).toInt();
        if (offered != present)
            fillList(list, shown,
                     list.combo->currentIndex() >= 0 ? shownPosition(list) : qint64(list.field->get(m_records)));
    }
}

void FormatOptionsDialog::showMode(const ModeChoice &on)
{
    on.button->setChecked(true);
    for (const ModeChoice &choice : std::as_const(m_modeChoices)) {
        if (choice.button == on.button)
            continue;
        choice.button->setChecked(false);
        for (QWidget *w : choice.enables)
            w->setEnabled(false);
    }
    for (QWidget *w : on.enables)
        w->setEnabled(true);
}

void FormatOptionsDialog::OnUserMode(const ModeChoice &clicked)
{
    if (clicked.button->isChecked())
        showMode(clicked);
    applyEnableRules();
}

void FormatOptionsDialog::Enable_Sox_Options(bool enabled)
{
    if (m_effects)
        m_effects->Enable_Sox_Options(enabled);
}

void FormatOptionsDialog::OnUserOK()
{
    FormatRecords &records = m_records;
    if (m_modeField) {
        qint64 mode = m_whenNoneOn;
        for (const ModeChoice &choice : std::as_const(m_modeChoices))
            if (choice.button->isChecked()) {
                mode = choice.value;
                break;
            }
        m_modeField->set(records, double(mode));
    }
    // A list without a selection (a stored position outside its labels)
    // keeps the record's value rather than storing "none".
    for (const ListBinding &list : std::as_const(m_lists))
        if (list.combo->currentIndex() >= 0)
            list.field->set(records, double(shownPosition(list)));
    if (m_effects) {
        fieldNamed("i_Gain").set(records, double(m_effects->gain()));
        fieldNamed("i_Treble").set(records, double(m_effects->treble()));
        fieldNamed("i_Bass").set(records, double(m_effects->bass()));
        fieldNamed("f_Speed").set(records, double(m_effects->speed()));
    }
    if (m_onAccepted)
        m_onAccepted();
    m_onClose();
}

void FormatOptionsDialog::OnUserCancel() { m_onClose(); }

void FormatOptionsDialog::endSheet() { QDialog::done(result()); }

void FormatOptionsDialog::accept() { OnUserOK(); }

void FormatOptionsDialog::reject() { OnUserCancel(); }

} // namespace quavero
