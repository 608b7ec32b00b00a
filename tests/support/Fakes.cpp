#include "Fakes.h"

#include <QCoreApplication>

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
        return !m_factory->failToPlay;
    }
    void pause() override { m_factory->calls << QStringLiteral("pause"); }
    void stop() override { m_factory->calls << QStringLiteral("stop"); }
    void setCurrentTime(double seconds) override
    {
        m_seconds = seconds;
        m_factory->calls << QStringLiteral("seek %1").arg(seconds);
    }
    double currentTime() const override { return m_seconds; }
    void setErrorHandler(ErrorHandler handler) override { m_handler = std::move(handler); }
    void reportError(const QString &reason)
    {
        const ErrorHandler handler = m_handler;
        if (handler)
            handler(reason);
    }
    QString errorText() const override { return m_factory->failToPlay ? QStringLiteral("no audio output") : QString(); }

private:
    FakeSoundFactory *m_factory;
    double m_seconds = 0;
    ErrorHandler m_handler;
};
} // namespace

std::unique_ptr<ISound> FakeSoundFactory::open(const QString &path)
{
    calls << QStringLiteral("open ") + path;
    ++opened;
    return std::make_unique<FakeSound>(this);
}

bool FakeSoundFactory::failWhilePlaying(const QString &reason)
{
    if (!current)
        return false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this, serial = opened, reason] {
            if (current && opened == serial) // still the same sound, not destroyed meanwhile
                static_cast<FakeSound *>(current)->reportError(reason);
        },
        Qt::QueuedConnection);
    return true;
}
