// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/Window_Presets.h"

#include "ui_Window_Presets.h"

#include <QPushButton>

namespace quavero {

Window_Presets::Window_Presets(PresetManagement management, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Window_Presets>()), m_management(std::move(management))
{
    m_ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    connect(m_ui->listPresets, &QListWidget::currentRowChanged, this, &Window_Presets::showSelection);
    connect(m_ui->editNewName, &QLineEdit::textChanged, this, [this] {
        m_ui->buttonRename->setEnabled(!selectedName().isEmpty() && !m_ui->editNewName->text().trimmed().isEmpty());
    });
    connect(m_ui->buttonRename, &QPushButton::clicked, this, &Window_Presets::OnUserRename);
    connect(m_ui->buttonDelete, &QPushButton::clicked, this, &Window_Presets::OnUserDelete);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &Window_Presets::reject);
    showList(QString());
}

Window_Presets::~Window_Presets() = default;

QString Window_Presets::selectedName() const
{
    const QListWidgetItem *item = m_ui->listPresets->currentItem();
    return item ? item->text() : QString();
}

void Window_Presets::showList(const QString &selected)
{
    const QStringList names = m_management.savedNames();
    m_ui->listPresets->clear();
    m_ui->listPresets->addItems(names);
    const int row = int(names.indexOf(selected));
    m_ui->listPresets->setCurrentRow(row >= 0 ? row : (names.isEmpty() ? -1 : 0));
    m_ui->labelProblem->setText(
        names.isEmpty() ? tr("There are no saved presets. Save one with Presets ▸ Save as Preset…") : QString());
    showSelection();
}

void Window_Presets::showSelection()
{
    const QString name = selectedName();
    m_ui->editNewName->setText(name);
    m_ui->editNewName->setEnabled(!name.isEmpty());
    m_ui->buttonDelete->setEnabled(!name.isEmpty());
    m_ui->buttonRename->setEnabled(!name.isEmpty() && !m_ui->editNewName->text().trimmed().isEmpty());
}

void Window_Presets::OnUserRename()
{
    const QString from = selectedName();
    const QString to = m_ui->editNewName->text().trimmed();
    if (from.isEmpty() || to.isEmpty() || to == from)
        return;
    const QString problem = m_management.rename(from, to);
    showList(problem.isEmpty() ? to : from);
    if (!problem.isEmpty())
        m_ui->labelProblem->setText(problem);
}

void Window_Presets::OnUserDelete()
{
    const QString name = selectedName();
    if (name.isEmpty() || (m_management.confirmRemove && !m_management.confirmRemove(name)))
        return;
    const QString problem = m_management.remove(name);
    showList(QString());
    if (!problem.isEmpty())
        m_ui->labelProblem->setText(problem);
}

} // namespace quavero
