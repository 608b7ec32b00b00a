// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The effects part of an options dialog: gain, treble, bass and speed sliders,
// each with its current value beside it and a Default button. The dialogs
// place it through their layouts and move values between it and the record.
#include <QGroupBox>
#include <memory>

namespace Ui {
class EffectsGroup;
}

namespace quavero {

class EffectsGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit EffectsGroup(QWidget *parent = nullptr);
    ~EffectsGroup() override;

    // Sets the four sliders from a record's effect fields.
    void showValues(float speed, qint64 gain, qint64 treble, qint64 bass);
    // The effect fields the sliders stand for now.
    float speed() const;
    qint64 gain() const;
    qint64 treble() const;
    qint64 bass() const;

    // Enables or disables the four sliders, then the four Default buttons.
    // Disabled sliders keep their values.
    void Enable_Sox_Options(bool enabled);

    void OnGainDefault();
    void OnTrebleDefault();
    void OnBassDefault();
    void OnSpeedDefault();

private:
    std::unique_ptr<Ui::EffectsGroup> ui;
};

} // namespace quavero
