// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's alert: an icon, the message, the informative text, the
// buttons in a QDialogButtonBox (so in the order of the desktop), and, when
// there are details, a "Show Details…" button that opens them in a view of at
// least 20 lines that grows with the alert, which can then be resized.
//
// The first button is the default and stands for going ahead (the accept
// role); with more than one, the last stands for leaving (the reject role,
// which Escape and the close box press too); any between are actions.
#include <QDialog>
#include <QStringList>

#include "platform/Prompts.h"

class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quavero {

class AlertDialog : public QDialog {
    Q_OBJECT
public:
    AlertDialog(const QString &message, const QString &informative, const QString &details, const QStringList &buttons,
                AlertKind kind, QWidget *parent);

    // The index (in the given list) of the button that closed the alert; the
    // last button when it was closed otherwise.
    int pressedIndex() const { return m_pressed; }
    // The least number of lines the details view shows.
    static constexpr int kDetailLines = 20;

    QDialogButtonBox *buttonBox() const { return m_buttons; }
    // Null when the alert has no details.
    QPushButton *detailsButton() const { return m_detailsButton; }
    QPlainTextEdit *detailsView() const { return m_details; }
    // The buttons made from the list, in its order.
    QList<QPushButton *> buttons() const { return m_made; }

    void reject() override;

private:
    void showDetails(bool shown);

    QDialogButtonBox *m_buttons = nullptr;
    QPushButton *m_detailsButton = nullptr;
    QPlainTextEdit *m_details = nullptr;
    QList<QPushButton *> m_made;
    int m_pressed = -1;
};

} // namespace quavero
