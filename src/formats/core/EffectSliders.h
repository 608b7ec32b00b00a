// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the effect sliders of the options dialogs map onto the effect fields of
// a record: gain, treble and bass are whole decibels, speed is shown in
// percent of normal while the record holds a factor (1.0 = normal).
#include <QString>
#include <QtGlobal>

namespace quavero {

namespace effectsliders {
// Ranges that sox accepts and that make sense to a listener; the neutral
// values lie inside them.
constexpr int kDecibelsMin = -20;
constexpr int kDecibelsMax = 20;
constexpr int kDecibelsNeutral = 0;
constexpr int kSpeedMin = 50;  // half speed
constexpr int kSpeedMax = 200; // double speed
constexpr int kSpeedNeutral = 100;

// Slider position for a record's decibel field.
int sliderFromDecibels(qint64 decibels);
// Decibel field for a slider position: the fraction is dropped (2.7 -> 2, -2.7 -> -2).
qint64 decibelsFromSlider(double position);
// Slider position (percent) for a speed factor: 1.5 -> 150.
int sliderFromSpeed(float factor);
// Speed factor for a slider position: percent / 100, so 100 gives exactly 1.0.
float speedFromSlider(double percent);

// The texts shown beside the sliders: "+3 dB", "0 dB", "-5 dB"; "150 %".
QString decibelsText(int position);
QString speedText(int percent);
} // namespace effectsliders

} // namespace quavero
