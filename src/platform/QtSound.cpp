// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSound.h"

#include <QCoreApplication>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace quavero {

namespace {
class QtSound : public ISound {
public:
    QtSound(const QString &path, bool requireOutputDevice) : m_path(path), m_requireOutputDevice(requireOutputDevice)
    {
        m_player.setAudioOutput(&m_output);
        // Errors arrive from the backend while the file loads or plays. They
        // are handed on from the event loop, with the player as context, so
        // a handler that destroys this sound is safe and a report still
        // queued when it is destroyed is dropped.
        QObject::connect(
            &m_player, &QMediaPlayer::errorOccurred, &m_player,
            [this](QMediaPlayer::Error, const QString &text) { fail(text); }, Qt::QueuedConnection);
        // Queued for the same reason as the errors.
        QObject::connect(
            &m_player, &QMediaPlayer::mediaStatusChanged, &m_player,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia && m_endHandler) {
                    const EndHandler handler = m_endHandler; // may destroy this sound
                    handler();
                }
            },
            Qt::QueuedConnection);
        // The backend ignores a position set before the file can seek.
        QObject::connect(&m_player, &QMediaPlayer::seekableChanged, &m_player, [this](bool seekable) {
            if (seekable && m_pendingMs >= 0) {
                m_player.setPosition(m_pendingMs);
                m_pendingMs = -1;
            }
        });
        m_player.setSource(QUrl::fromLocalFile(path));
    }

    bool play() override
    {
        if (!QFileInfo(m_path).isFile()) {
            m_error = QCoreApplication::translate("QtSound", "the preview file %1 is missing").arg(m_path);
            return false;
        }
        if (m_requireOutputDevice && QMediaDevices::audioOutputs().isEmpty()) {
            m_error = QCoreApplication::translate("QtSound", "no sound output device was found");
            return false;
        }
        if (m_player.error() != QMediaPlayer::NoError) {
            m_error = m_player.errorString();
            return false;
        }
        m_player.play();
        return true;
    }
    void pause() override { m_player.pause(); }
    void stop() override { m_player.stop(); }
    void setCurrentTime(double seconds) override
    {
        const qint64 ms = qint64(seconds * 1000.0);
        if (m_player.isSeekable())
            m_player.setPosition(ms);
        else
            m_pendingMs = ms;
    }
    double currentTime() const override
    {
        return m_pendingMs >= 0 ? double(m_pendingMs) / 1000.0 : double(m_player.position()) / 1000.0;
    }
    QString errorText() const override { return m_error; }
    void setErrorHandler(ErrorHandler handler) override { m_handler = std::move(handler); }
    void setEndHandler(EndHandler handler) override { m_endHandler = std::move(handler); }

private:
    void fail(const QString &text)
    {
        if (m_failed)
            return; // the backend often reports one fault several times
        m_failed = true;
        m_error = text.isEmpty() ? QCoreApplication::translate("QtSound", "the sound system reported an error") : text;
        // Copies: the handler may destroy this sound, and with it the members.
        const ErrorHandler handler = m_handler;
        const QString reason = m_error;
        if (handler)
            handler(reason);
    }

    QString m_path;
    bool m_requireOutputDevice;
    QAudioOutput m_output;
    QMediaPlayer m_player; // after m_output: destroyed first
    qint64 m_pendingMs = -1;
    bool m_failed = false;
    QString m_error;
    ErrorHandler m_handler;
    EndHandler m_endHandler;
};
} // namespace

std::unique_ptr<ISound> QtSoundFactory::open(const QString &path)
{
    return std::make_unique<QtSound>(path, m_requireOutputDevice);
}

} // namespace quavero
