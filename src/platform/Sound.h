#pragma once
// Playing one sound file: play, pause, stop and setting the current time.
#include <QString>
#include <memory>

class ISound {
public:
    virtual ~ISound() = default;
    // False (with a reason in errorText) when the sound cannot be played.
    virtual bool play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void setCurrentTime(double seconds) = 0;
    virtual QString errorText() const = 0;
};

class ISoundFactory {
public:
    virtual ~ISoundFactory() = default;
    // A sound opened on the file at path (by reference).
    virtual std::unique_ptr<ISound> open(const QString &path) = 0;
};
