// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/Window_Colors.h"

#include "appearance/ColorWell.h"
#include "platform/Prompts.h"
#include "ui_Window_Colors.h"

#include <QDialogButtonBox>
#include <QPushButton>

namespace quavero {

Window_Colors::Window_Colors(const ColorSettings &settings, IPrompts &prompts, std::function<void()> onOK,
                             std::function<void()> onCancel, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Window_Colors>()), m_onOK(std::move(onOK)),
      m_onCancel(std::move(onCancel))
{
    m_ui->setupUi(this);
    colorSpectrumBackground = m_ui->colorSpectrumBackground;
    colorSpectrumForeground = m_ui->colorSpectrumForeground;
    colorListBackground = m_ui->colorListBackground;
    colorListForeground = m_ui->colorListForeground;
    check_Alternating_Rows = m_ui->check_Alternating_Rows;
    // The buttons of the box keep the names they are known by.
    QPushButton *ok = m_ui->buttonBox->button(QDialogButtonBox::Ok);
    QPushButton *cancel = m_ui->buttonBox->button(QDialogButtonBox::Cancel);
    btnOriginal = m_ui->buttonBox->button(QDialogButtonBox::RestoreDefaults);
    ok->setObjectName(QStringLiteral("btnOK"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    btnOriginal->setObjectName(QStringLiteral("btnOriginal"));
    ok->setText(tr("OK"));
    cancel->setText(tr("Cancel"));
    btnOriginal->setText(tr("Restore Defaults"));
    btnOriginal->setAutoDefault(false);

    IPrompts *chooser = &prompts;
    for (ColorWell *well : {colorSpectrumBackground, colorSpectrumForeground, colorListBackground, colorListForeground})
        well->setChooser(
            [chooser](const QColor &current, const QString &title) { return chooser->chooseColor(current, title); });

    connect(ok, &QPushButton::clicked, this, &Window_Colors::OnOK);
    connect(cancel, &QPushButton::clicked, this, &Window_Colors::OnCancel);
    connect(btnOriginal, &QPushButton::clicked, this, &Window_Colors::OnOriginal);
    showSettings(settings);
}

Window_Colors::~Window_Colors() = default;

void Window_Colors::showSettings(const ColorSettings &settings)
{
    colorSpectrumBackground->setColor(settings.background);
    colorSpectrumForeground->setColor(settings.spectrum);
    colorListBackground->setColor(settings.tableBackground);
    colorListForeground->setColor(settings.tableForeground);
    check_Alternating_Rows->setChecked(settings.alternatingRows);
}

ColorSettings Window_Colors::chosen() const
{
    return {colorSpectrumBackground->color(), colorSpectrumForeground->color(), colorListBackground->color(),
            colorListForeground->color(), check_Alternating_Rows->isChecked()};
}

void Window_Colors::OnOK()
{
    if (m_onOK)
        m_onOK();
}

void Window_Colors::OnCancel()
{
    if (m_onCancel)
        m_onCancel();
}

void Window_Colors::reject() { OnCancel(); }

void Window_Colors::OnOriginal()
{
    // Only the dialog's controls change: OK applies and stores them like any
    // other choice, Cancel leaves the settings and the store as they were.
    showSettings(ColorSettings::restoredDefaults());
}

} // namespace quavero
