// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Window_About.h"

#include "ui_Window_About.h"

#include <QPushButton>

namespace quavero {

Window_About::Window_About(const QString &version, const QString &licence, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Window_About>())
{
    m_ui->setupUi(this);
    m_ui->labelName->setText(tr("Quavero %1").arg(version));
    QFont large = m_ui->labelName->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    m_ui->labelName->setFont(large);
    m_ui->labelLicence->setText(licence);
    m_ui->buttonBox->button(QDialogButtonBox::Close)->setText(tr("Close"));
    m_ui->labelFfmpeg->setText(tr("ffmpeg: looking…"));
    m_ui->labelSox->setText(tr("sox: looking…"));
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &Window_About::reject);
}

Window_About::~Window_About() = default;

void Window_About::showPrograms(const QString &ffmpegLine, const QString &soxLine)
{
    m_ui->labelFfmpeg->setText(ffmpegLine);
    m_ui->labelSox->setText(soxLine);
    emit programsShown();
}

} // namespace quavero
