// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/Window_Preferences.h"

#include "app/PreferenceKeys.h"
#include "convert/core/RunSettings.h"
#include "loudness/core/LoudnessSettings.h"
#include "naming/core/TemplateExample.h"
#include "platform/core/Preferences.h"
#include "ui_Window_Preferences.h"

#include <QLineEdit>
#include <QPushButton>

namespace quavero {

Window_Preferences::Window_Preferences(IPreferences *preferences, int processors,
                                       const naming::NameFields &exampleFields, const QString &extension, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Window_Preferences>()), m_preferences(preferences),
      m_exampleFields(exampleFields), m_extension(extension)
{
    m_ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    const RunSettings stored = runsettings::fromStored(preferences->string(prefkeys::kFilesAtOnce),
                                                       preferences->string(prefkeys::kPauseBetweenFiles), processors);
    m_ui->spinFilesAtOnce->setRange(1, qMax(1, processors));
    m_ui->spinFilesAtOnce->setValue(stored.filesAtOnce);
    m_ui->checkPauseBetweenFiles->setChecked(stored.pauseBetweenFiles);
    m_ui->checkSkipUpToDate->setChecked(runsettings::flagFromStored(preferences->string(prefkeys::kSkipUpToDate)));
    m_ui->checkDeleteOrphans->setChecked(runsettings::flagFromStored(preferences->string(prefkeys::kDeleteOrphans)));
    m_ui->checkCopySameFormat->setChecked(runsettings::flagFromStored(preferences->string(prefkeys::kCopySameFormat)));
    // The combo box's items are in the modes' order: none, track, album.
    const LoudnessSettings loudness = loudness::fromStored(preferences->string(prefkeys::kLoudnessTags),
                                                           preferences->string(prefkeys::kNormalizeLoudness));
    m_ui->comboLoudnessTags->setCurrentIndex(int(loudness.tags));
    m_ui->checkNormalize->setChecked(loudness.normalize);
    m_ui->spinNormalizeTarget->setValue(loudness.targetLufs);
    m_ui->spinNormalizeTarget->setEnabled(loudness.normalize);
    connect(m_ui->checkNormalize, &QCheckBox::toggled, m_ui->spinNormalizeTarget, &QWidget::setEnabled);
    m_ui->editNameTemplate->setText(preferences->string(prefkeys::kNameTemplate));
    showFilesAtOnce(stored.filesAtOnce);
    showNameExample();
    connect(m_ui->editNameTemplate, &QLineEdit::textChanged, this, &Window_Preferences::showNameExample);
    connect(m_ui->spinFilesAtOnce, &QSpinBox::valueChanged, this, &Window_Preferences::showFilesAtOnce);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &Window_Preferences::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &Window_Preferences::reject);
}

Window_Preferences::~Window_Preferences() = default;

void Window_Preferences::showFilesAtOnce(int files)
{
    m_ui->spinFilesAtOnce->setSuffix(files == 1 ? tr(" file at once") : tr(" files at once"));
}

void Window_Preferences::showNameExample()
{
    const TemplateExample example =
        naming::exampleFor(m_ui->editNameTemplate->text().trimmed(), m_exampleFields, m_extension);
    m_ui->labelNameExample->setText(example.text);
    // A template that cannot be read is not stored: OK waits until it can.
    if (QPushButton *ok = m_ui->buttonBox->button(QDialogButtonBox::Ok))
        ok->setEnabled(example.usable);
}

void Window_Preferences::accept()
{
    if (!naming::exampleFor(m_ui->editNameTemplate->text().trimmed(), m_exampleFields, m_extension).usable)
        return;
    m_preferences->setString(prefkeys::kNameTemplate, m_ui->editNameTemplate->text().trimmed());
    m_preferences->setString(prefkeys::kFilesAtOnce, runsettings::filesAtOnceText(m_ui->spinFilesAtOnce->value()));
    m_preferences->setString(prefkeys::kPauseBetweenFiles,
                             runsettings::pauseText(m_ui->checkPauseBetweenFiles->isChecked()));
    m_preferences->setString(prefkeys::kSkipUpToDate, runsettings::flagText(m_ui->checkSkipUpToDate->isChecked()));
    m_preferences->setString(prefkeys::kDeleteOrphans, runsettings::flagText(m_ui->checkDeleteOrphans->isChecked()));
    m_preferences->setString(prefkeys::kCopySameFormat, runsettings::flagText(m_ui->checkCopySameFormat->isChecked()));
    const auto mode = GainTagMode(qBound(0, m_ui->comboLoudnessTags->currentIndex(), int(GainTagMode::Album)));
    m_preferences->setString(prefkeys::kLoudnessTags, loudness::modeName(mode));
    m_preferences->setString(prefkeys::kNormalizeLoudness, m_ui->checkNormalize->isChecked()
                                                               ? loudness::targetText(m_ui->spinNormalizeTarget->value())
                                                               : QString());
    QDialog::accept();
}

} // namespace quavero
