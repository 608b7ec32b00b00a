#include "platform/QtSound.h"

#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace {
class QtSound : public ISound {
public:
    explicit QtSound(const QString &path)
    {
        m_player.setAudioOutput(&m_output);
        m_player.setSource(QUrl::fromLocalFile(path));
    }
    bool play() override
    {
        if (m_player.error() != QMediaPlayer::NoError) {
            m_error = m_player.errorString();
            return false;
        }
        m_player.play();
        return true;
    }
    void pause() override { m_player.pause(); }
    void stop() override { m_player.stop(); }
    void setCurrentTime(double seconds) override { m_player.setPosition(qint64(seconds * 1000.0)); }
    QString errorText() const override { return m_error; }

private:
    QAudioOutput m_output;
    QMediaPlayer m_player;
    QString m_error;
};
} // namespace

std::unique_ptr<ISound> QtSoundFactory::open(const QString &path)
{
    return std::make_unique<QtSound>(path);
}
