// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace quavero {

namespace {
class FakeSound : public ISound {
public:
    explicit FakeSound(FakeSoundFactory *factory) : m_factory(factory) { m_factory->current = this; }
    ~FakeSound() override
    {
        if (m_factory->current == this)
            m_factory->current = nullptr;
    }
    bool play() override
    {
        m_factory->calls << QStringLiteral("play");
        if (m_factory->failToPlay)
            return false;
        m_clock.start();
        return true;
    }
    void pause() override
    {
        m_factory->calls << QStringLiteral("pause");
        m_seconds = currentTime();
        m_clock.invalidate();
    }
    void stop() override
    {
        m_factory->calls << QStringLiteral("stop");
        m_seconds = 0;
        m_clock.invalidate();
    }
    void setCurrentTime(double seconds) override
    {
        m_seconds = seconds;
        if (m_clock.isValid())
            m_clock.start();
        m_factory->calls << QStringLiteral("seek %1").arg(seconds);
    }
    double currentTime() const override
    {
        return m_seconds + (m_clock.isValid() ? double(m_clock.nsecsElapsed()) / 1e9 : 0.0);
    }
    void setErrorHandler(ErrorHandler handler) override { m_handler = std::move(handler); }
    void setEndHandler(EndHandler handler) override { m_endHandler = std::move(handler); }
    void reportError(const QString &reason)
    {
        const ErrorHandler handler = m_handler;
        if (handler)
            handler(reason);
    }
    void reachEnd()
    {
        m_clock.invalidate();
        const EndHandler handler = m_endHandler;
        if (handler)
            handler();
    }
    QString errorText() const override { return m_factory->failToPlay ? QStringLiteral("no audio output") : QString(); }

private:
    FakeSoundFactory *m_factory;
    double m_seconds = 0;
    QElapsedTimer m_clock; // valid while playing
    ErrorHandler m_handler;
    EndHandler m_endHandler;
};
} // namespace

std::unique_ptr<ISound> FakeSoundFactory::open(const QString &path)
{
    calls << QStringLiteral("open ") + path;
    if (real)
        return real->open(path);
    ++opened;
    return std::make_unique<FakeSound>(this);
}

namespace {
// Runs step on the newest sound from the event loop, if that sound still
// exists by then; false when there is no sound now.
bool laterOnNewestSound(FakeSoundFactory &factory, std::function<void(FakeSound &)> step)
{
    if (!factory.current)
        return false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&factory, serial = factory.opened, step = std::move(step)] {
            if (factory.current && factory.opened == serial) // not destroyed meanwhile
                step(*static_cast<FakeSound *>(factory.current));
        },
        Qt::QueuedConnection);
    return true;
}
} // namespace

bool FakeSoundFactory::failWhilePlaying(const QString &reason)
{
    return laterOnNewestSound(*this, [reason](FakeSound &sound) { sound.reportError(reason); });
}

bool FakeSoundFactory::finishPlaying()
{
    return laterOnNewestSound(*this, [](FakeSound &sound) { sound.reachEnd(); });
}

} // namespace quavero
