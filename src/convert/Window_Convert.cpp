// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/Window_Convert.h"

#include "convert/core/TimeLeft.h"
#include "convert/engine/ConversionRun.h"
#include "ui_Window_Convert.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace quavero {

Window_Convert::Window_Convert(ConversionRun *run, std::function<void()> closeWindow, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Window_Convert>()), m_run(run), m_closeWindow(std::move(closeWindow))
{
    m_ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    progress = m_ui->progress;
    progressUnit = m_ui->progressUnit;
    // Cancel stands where the desktop puts it, and keeps its name.
    QPushButton *cancel = m_ui->buttonBox->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setText(tr("Cancel"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &Window_Convert::OnUserCancel);

    m_run->setParent(this);
    connect(m_run, &ConversionRun::progressChanged, this, &Window_Convert::showProgress);
    connect(m_run, &ConversionRun::finished, this, &Window_Convert::onRunFinished);
    // Nothing reports during a pause between files; the time left still
    // counts down through it.
    auto *tick = new QTimer(this);
    tick->setInterval(1000);
    connect(tick, &QTimer::timeout, this, [this] {
        if (m_run->isActive() && m_run->isPausing())
            showProgress();
    });
    tick->start();
    windowDidLoad();
}

Window_Convert::~Window_Convert() = default;

void Window_Convert::windowDidLoad()
{
    progress->setRange(0, m_run->entryCount());
    progress->setValue(0);
    progressUnit->setRange(0, 100);
    progressUnit->setValue(0);
    m_ui->labelFiles->setText(tr("Starting…"));
    m_ui->labelTimeLeft->setText(QString());
    m_run->start();
}

bool Window_Convert::isConvertingEntry() const { return m_run->isConvertingEntry(); }

QString Window_Convert::filesText() const { return m_ui->labelFiles->text(); }

QString Window_Convert::timeLeftText() const { return m_ui->labelTimeLeft->text(); }

void Window_Convert::showProgress()
{
    if (m_released)
        return;
    const RunProgress p = m_run->progress();
    progress->setValue(p.done);
    if (!p.running.isEmpty()) {
        QStringList names;
        for (int index : p.running)
            names << QFileInfo(m_run->entry(index).input.s_File_Path()).fileName();
        const QString joined = names.join(QStringLiteral(", "));
        const QString text = tr("Converting %1").arg(joined);
        QLabel *label = m_ui->labelFiles;
        label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, qMax(label->width(), width() - 40)));
        label->setToolTip(joined);
        if (p.busy) {
            progressUnit->setRange(0, 0);
        } else {
            progressUnit->setRange(0, 100);
            progressUnit->setValue(p.meanPercent);
        }
    } else if (m_run->isPausing() && p.done > 0) {
        m_ui->labelFiles->setText(tr("Waiting for the next file…"));
        m_ui->labelFiles->setToolTip(QString());
    }
    if (p.secondsLeft >= 0)
        m_ui->labelTimeLeft->setText(timeleft::text(p.secondsLeft));
    else if (p.done > 0 || !p.running.isEmpty())
        m_ui->labelTimeLeft->setText(tr("Estimating the time left…"));
}

void Window_Convert::onRunFinished()
{
    if (m_run->b_Cancel && !m_run->isStopped()) {
        // The sheet is already gone; these were the entries converting at Cancel.
        if (m_released)
            release();
        return;
    }
    if (m_released)
        return release();
    progress->setValue(0);
    progressUnit->setRange(0, 100);
    progressUnit->setValue(0);
    m_closeWindow();
}

void Window_Convert::OnUserCancel()
{
    if (m_run->b_Cancel)
        return;
    m_run->cancel();
    m_closeWindow();
}

void Window_Convert::reject() { OnUserCancel(); }

void Window_Convert::release()
{
    m_released = true;
    hide();
    if (m_run->isActive() || m_releaseSent)
        return; // onRunFinished comes back here when the entries are done
    m_releaseSent = true;
    emit released();
    deleteLater();
}

} // namespace quavero
