// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound playback through Qt Multimedia (QMediaPlayer with QAudioOutput).
#include "platform/Sound.h"

namespace quavero {

class QtSoundFactory : public ISoundFactory {
public:
    // With requireOutputDevice, play() fails when the system lists no sound
    // output, instead of playing into the silent sink the backend falls back to.
    explicit QtSoundFactory(bool requireOutputDevice = true) : m_requireOutputDevice(requireOutputDevice) {}
    std::unique_ptr<ISound> open(const QString &path) override;

private:
    bool m_requireOutputDevice;
};

} // namespace quavero
