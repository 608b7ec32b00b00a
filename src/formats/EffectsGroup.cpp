// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/EffectsGroup.h"

#include "formats/core/EffectSliders.h"
#include "ui_EffectsGroup.h"

namespace quavero {

namespace es = effectsliders;

EffectsGroup::EffectsGroup(QWidget *parent) : QGroupBox(parent), ui(std::make_unique<Ui::EffectsGroup>())
{
    ui->setupUi(this);

    struct Row {
        QSlider *slider;
        QLabel *value;
        int min, max;
        QString (*text)(int);
    };
    const Row rows[] = {
        {ui->sliderGain, ui->labelGainValue, es::kDecibelsMin, es::kDecibelsMax, &es::decibelsText},
        {ui->sliderTreble, ui->labelTrebleValue, es::kDecibelsMin, es::kDecibelsMax, &es::decibelsText},
        {ui->sliderBass, ui->labelBassValue, es::kDecibelsMin, es::kDecibelsMax, &es::decibelsText},
        {ui->sliderSpeed, ui->labelSpeedValue, es::kSpeedMin, es::kSpeedMax, &es::speedText},
    };
    for (const Row &row : rows) {
        row.slider->setRange(row.min, row.max);
        QLabel *label = row.value;
        auto text = row.text;
        connect(row.slider, &QSlider::valueChanged, label, [label, text](int v) { label->setText(text(v)); });
        label->setText(text(row.slider->value()));
    }
    ui->sliderSpeed->setPageStep(10);

    connect(ui->btnGainDefault, &QPushButton::clicked, this, &EffectsGroup::OnGainDefault);
    connect(ui->btnTrebleDefault, &QPushButton::clicked, this, &EffectsGroup::OnTrebleDefault);
    connect(ui->btnBassDefault, &QPushButton::clicked, this, &EffectsGroup::OnBassDefault);
    connect(ui->btnSpeedDefault, &QPushButton::clicked, this, &EffectsGroup::OnSpeedDefault);
}

EffectsGroup::~EffectsGroup() = default;

void EffectsGroup::showValues(float speed, qint64 gain, qint64 treble, qint64 bass)
{
    ui->sliderGain->setValue(es::sliderFromDecibels(gain));
    ui->sliderTreble->setValue(es::sliderFromDecibels(treble));
    ui->sliderBass->setValue(es::sliderFromDecibels(bass));
    ui->sliderSpeed->setValue(es::sliderFromSpeed(speed));
}

float EffectsGroup::speed() const { return es::speedFromSlider(ui->sliderSpeed->value()); }
qint64 EffectsGroup::gain() const { return es::decibelsFromSlider(ui->sliderGain->value()); }
qint64 EffectsGroup::treble() const { return es::decibelsFromSlider(ui->sliderTreble->value()); }
qint64 EffectsGroup::bass() const { return es::decibelsFromSlider(ui->sliderBass->value()); }

void EffectsGroup::Enable_Sox_Options(bool enabled)
{
    for (QWidget *w : {static_cast<QWidget *>(ui->sliderGain), static_cast<QWidget *>(ui->sliderTreble),
                       static_cast<QWidget *>(ui->sliderBass), static_cast<QWidget *>(ui->sliderSpeed),
                       static_cast<QWidget *>(ui->btnGainDefault), static_cast<QWidget *>(ui->btnTrebleDefault),
                       static_cast<QWidget *>(ui->btnBassDefault), static_cast<QWidget *>(ui->btnSpeedDefault)})
        w->setEnabled(enabled);
}

void EffectsGroup::OnGainDefault() { ui->sliderGain->setValue(es::kDecibelsNeutral); }
void EffectsGroup::OnTrebleDefault() { ui->sliderTreble->setValue(es::kDecibelsNeutral); }
void EffectsGroup::OnBassDefault() { ui->sliderBass->setValue(es::kDecibelsNeutral); }
void EffectsGroup::OnSpeedDefault() { ui->sliderSpeed->setValue(es::kSpeedNeutral); }

} // namespace quavero
