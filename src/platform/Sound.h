// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playing one sound file: play, pause, stop and setting the current time.
#include <QString>
#include <functional>
#include <memory>

namespace quavero {

class ISound {
public:
    // Receives the reason when playback fails after play() has returned.
    using ErrorHandler = std::function<void(const QString &reason)>;
    // Told when playback has reached the end of the file.
    using EndHandler = std::function<void()>;

    virtual ~ISound() = default;
    // False (with a reason in errorText) when the sound cannot be played.
    virtual bool play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    // Takes effect as soon as the sound can seek, also when set before play().
    virtual void setCurrentTime(double seconds) = 0;
    // Seconds into the file that playback has reached.
    virtual double currentTime() const = 0;
    virtual QString errorText() const = 0;
    // Called at most once, from the event loop and never from inside a call
    // on the sound, so the handler may destroy the sound.
    virtual void setErrorHandler(ErrorHandler handler) = 0;
    // Called once each time playback reaches the end, from the event loop and
    // never from inside a call on the sound, so the handler may destroy it.
    virtual void setEndHandler(EndHandler handler) = 0;
};

class ISoundFactory {
public:
    virtual ~ISoundFactory() = default;
    // A sound opened on the file at path (by reference).
    virtual std::unique_ptr<ISound> open(const QString &path) = 0;
};

} // namespace quavero
