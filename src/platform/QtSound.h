#pragma once
// Sound playback through Qt Multimedia (QMediaPlayer with QAudioOutput).
#include "platform/Sound.h"

class QtSoundFactory : public ISoundFactory {
public:
    std::unique_ptr<ISound> open(const QString &path) override;
};
