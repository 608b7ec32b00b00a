// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AlertDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace quavero {

namespace {
QDialogButtonBox::ButtonRole roleOf(int index, int count)
{
    if (index == 0)
        return QDialogButtonBox::AcceptRole;
    return index == count - 1 ? QDialogButtonBox::RejectRole : QDialogButtonBox::ActionRole;
}

QLabel *textLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    // What an alert says can be copied, as a message box's text can.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setMinimumWidth(380);
    return label;
}
} // namespace

AlertDialog::AlertDialog(const QString &message, const QString &informative, const QString &details,
                         const QStringList &buttons, AlertKind kind, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QGuiApplication::applicationDisplayName());
    setAccessibleName(message);
    setAccessibleDescription(informative);

    auto *layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    auto *icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()
                        ->standardIcon(kind == AlertKind::Information ? QStyle::SP_MessageBoxInformation
                                                                      : QStyle::SP_MessageBoxWarning,
                                       nullptr, this)
                        .pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);
    layout->addWidget(icon, 0, 0, 2, 1);

    QLabel *messageLabel = textLabel(message, this);
    messageLabel->setObjectName(QStringLiteral("alertMessage"));
    QFont bold = messageLabel->font();
    bold.setBold(true);
    messageLabel->setFont(bold);
    layout->addWidget(messageLabel, 0, 1);
    if (!informative.isEmpty()) {
        QLabel *informativeLabel = textLabel(informative, this);
        informativeLabel->setObjectName(QStringLiteral("alertInformative"));
        layout->addWidget(informativeLabel, 1, 1);
    }

    m_buttons = new QDialogButtonBox(Qt::Horizontal, this);
    for (int i = 0; i < buttons.size(); ++i)
        m_made << m_buttons->addButton(buttons[i], roleOf(i, int(buttons.size())));
    if (!m_made.isEmpty()) {
        m_made.first()->setDefault(true);
        m_made.first()->setFocus();
    }
    connect(m_buttons, &QDialogButtonBox::clicked, this, [this](QAbstractButton *clicked) {
        const int index = int(m_made.indexOf(static_cast<QPushButton *>(clicked)));
        if (index < 0)
            return; // Show Details…
        m_pressed = index;
        accept();
    });

    if (!details.isEmpty()) {
        m_details = new QPlainTextEdit(details, this);
        m_details->setObjectName(QStringLiteral("alertDetails"));
        m_details->setReadOnly(true);
        m_details->setLineWrapMode(QPlainTextEdit::NoWrap);
        // Commands and program output line up in a fixed-width font.
        m_details->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        m_details->setAccessibleName(tr("Details"));
        const QFontMetrics metrics(m_details->font());
        const int frame = 2 * m_details->frameWidth() + int(m_details->document()->documentMargin() * 2);
        m_details->setMinimumHeight(kDetailLines * metrics.lineSpacing() + frame);
        m_details->setMinimumWidth(80 * metrics.horizontalAdvance(QLatin1Char('0')));
        m_details->hide();
        layout->addWidget(m_details, 2, 0, 1, 2);
        layout->setRowStretch(2, 1);
        m_detailsButton = m_buttons->addButton(tr("Show Details…"), QDialogButtonBox::ActionRole);
        m_detailsButton->setAutoDefault(false);
        m_detailsButton->setCheckable(true);
        connect(m_detailsButton, &QPushButton::toggled, this, &AlertDialog::showDetails);
    }
    layout->addWidget(m_buttons, 3, 0, 1, 2);
    // The texts take the width the alert gains, not the icon's column.
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

void AlertDialog::showDetails(bool shown)
{
    m_detailsButton->setText(shown ? tr("Hide Details…") : tr("Show Details…"));
    m_details->setVisible(shown);
    // The details can be made as large as the screen allows.
    setSizeGripEnabled(shown);
    // Grown to show them whole (adjustSize would stop at two thirds of the
    // screen, below what the view needs), shrunk again when they go.
    layout()->activate();
    resize(shown ? size().expandedTo(sizeHint()) : sizeHint());
}

void AlertDialog::reject()
{
    m_pressed = int(m_made.size()) - 1;
    QDialog::reject();
}

} // namespace quavero
