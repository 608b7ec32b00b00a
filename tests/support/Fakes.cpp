#include "Fakes.h"

namespace {
class FakeSound : public ISound {
public:
    explicit FakeSound(FakeSoundFactory *factory) : m_factory(factory) {}
    bool play() override
    {
        m_factory->calls << QStringLiteral("play");
        return !m_factory->failToPlay;
    }
    void pause() override { m_factory->calls << QStringLiteral("pause"); }
    void stop() override { m_factory->calls << QStringLiteral("stop"); }
    void setCurrentTime(double seconds) override { m_factory->calls << QStringLiteral("seek %1").arg(seconds); }
    QString errorText() const override { return m_factory->failToPlay ? QStringLiteral("no audio output") : QString(); }

private:
    FakeSoundFactory *m_factory;
};
} // namespace

std::unique_ptr<ISound> FakeSoundFactory::open(const QString &path)
{
    calls << QStringLiteral("open ") + path;
    return std::make_unique<FakeSound>(this);
}
