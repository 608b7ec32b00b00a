// SPDX-License-Identifier: GPL-3.0-or-later
// Preview playback: a selected list entry is converted into a WAV in the work
// folder, its waveform picture is made, and Play, Pause and Stop act on a
// sound opened on that WAV.
//
// The ffmpeg steps of a preparation run as child processes without blocking
// the window. They still run one after the other, in the same order, and a
// newer single-row selection abandons an older preparation that is running.
#include "app/AppDelegate.h"

#include "filelist/SelectedRows.h"
#include "platform/Prompts.h"
#include "platform/Sound.h"
#include "platform/core/FileSystem.h"
#include "preview/JoinedChild.h"
#include "preview/TableSelectionWatcher.h"
#include "preview/View_Audio_Wave.h"
#include "preview/core/PlaybackControls.h"
#include "preview/core/PreviewFiles.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QSet>
#include <QTableView>

namespace quavero {

namespace {
QString closeText() { return AppDelegate::tr("Close"); }

// Drops a sound that cannot play, shows playback as stopped and says why.
void stopAfterSoundFailure(AppDelegate &app, const QString &reason)
{
    app.sound.reset();
    app.i_PlayingStatus = preview::Stopped;
    app.Update_UI_After_Audio_Operation();
    app.services().prompts->alert(AppDelegate::tr("The preview could not be played."),
                                  AppDelegate::tr("The sound system reported: %1. Check that a sound output device is "
                                                  "connected and working, then press Play again.")
                                      .arg(reason),
                                  {closeText()});
}

void setEnabled(QAction *item, bool enabled)
{
    if (item)
        item->setEnabled(enabled);
}
} // namespace

void AppDelegate::setUpPreview()
{
    auto *watcher = new TableSelectionWatcher(tableviewVideoFiles, this);
    connect(watcher, &TableSelectionWatcher::selectionChanged, this, &AppDelegate::tableViewSelectionDidChange);
}

void AppDelegate::tableViewSelectionDidChange()
{
    if (restoringSelection)
        return;
    if (sound) {
        sound->stop();
        sound.reset();
        Disable_Audio_Play();
    }

    const QList<int> rows = selectedRows(tableviewVideoFiles);
    if (rows.size() != 1)
        return;
    const NodeVideoFile entry = arrayVideoFiles.at(rows.first());
    EnableToolbar(false);
    // Play waits for this entry's own preview.
    s_WAV_Source.clear();
    Disable_Audio_Play();
    s_Audio_File = entry.s_File_Path();
    s_Audio_URL = entry.s_File_URL();
    m_Audio_Track = entry.m_Track();
    // The newest selection wins over a preparation that is still running.
    if (previewChild)
        previewChild->abandon();
    ++previewGeneration;
    timerHandleAudioTracks.start();
}

void AppDelegate::TimerHandleAudioTracksRoutine()
{
    if (previewChild)
        previewChild->abandon();
    const quint64 generation = ++previewGeneration;

    // The WAV about to be made replaces an older one, never a file of the list.
    QSet<QString> inputs = {fs::canonicalPath(s_Audio_File)};
    for (const NodeVideoFile &entry : arrayVideoFiles.snapshot())
        inputs << fs::canonicalPath(entry.s_File_Path());
    const QString wav = preview::wavPathSparingInputs(s_Output_Folder, s_Audio_File, [&inputs](const QString &path) {
        return inputs.contains(fs::canonicalPath(path));
    });
    fs::remove(wav);
    auto *conversion = new JoinedChild(sffmpegPath, preview::wavArguments(s_Audio_File, wav, m_Audio_Track), this);
    conversion->setPartialOutput(wav);
    previewChild = conversion;
    const QString source = preview::sourceKey(s_Audio_File, m_Audio_Track);
    connect(conversion, &JoinedChild::finished, this, [this, conversion, generation, wav, source] {
        conversion->deleteLater();
        if (generation != previewGeneration)
            return;
        previewChild = nullptr;

        // A sound started on the previous preview while this one was being
        // made is part of what the new preview replaces.
        if (sound) {
            sound->stop();
            sound.reset();
        }
        i_PlayingStatus = preview::Stopped;
        Update_UI_After_Audio_Operation();

        if (QFileInfo(wav).isFile()) {
            i_Audio_Duration_Seconds = Return_Seconds_From_Duration_Str(GetMediaFileDuration(wav));
            s_WAV_File = wav;
            s_WAV_Source = source;
            openFileWithFilePathURL(QUrl::fromLocalFile(wav));
            return;
        }
        // No preview of the selected file: Play has nothing to play, and an
        // older preview is no stand-in for it.
        s_WAV_File.clear();
        s_WAV_Source.clear();
        Disable_Audio_Play();
        services().prompts->alert(tr("Audio file could not be opened."), tr("Audio file could not be opened."),
                                  {closeText()});
        timerReEnableToolbar.start();
        emit previewPrepared(false);
    });
}

void AppDelegate::OnUserToolbarPlay()
{
    const QList<int> rows = selectedRows(tableviewVideoFiles);
    if (rows.isEmpty()) {
        services().prompts->alert(tr("There is no audio file selected."),
                                  tr("There is no audio file selected. Select one audio file to play."), {closeText()});
        return;
    }
    if (rows.size() > 1) {
        services().prompts->alert(tr("There is more than one audio file selected."),
                                  tr("There is more than one audio file selected. Select only one audio file to play."),
                                  {closeText()});
        return;
    }
    const NodeVideoFile entry = arrayVideoFiles.at(rows.first());
    s_Audio_URL = entry.s_File_URL();
    // Only the finished preview of the selected entry is played.
    if (s_WAV_Source.isEmpty() || s_WAV_Source != preview::sourceKey(entry.s_File_Path(), entry.m_Track()) ||
        s_WAV_File.isEmpty() || !QFileInfo(s_WAV_File).isFile())
        return;

    if (i_PlayingStatus == preview::Paused && sound) {
        // The paused sound goes on from the very point where it stopped.
        if (!sound->play()) {
            stopAfterSoundFailure(*this, sound->errorText());
            return;
        }
        i_PlayingStatus = preview::Playing;
        Update_UI_After_Audio_Operation();
        return;
    }

    sound = services().sounds->open(s_WAV_File);
    ISound *opened = sound.get();
    opened->setErrorHandler([this, opened](const QString &reason) {
        if (sound.get() == opened) // not a sound that was replaced meanwhile
            stopAfterSoundFailure(*this, reason);
    });
    opened->setEndHandler([this, opened] {
        if (sound.get() == opened)
            soundDidReachEnd();
    });
    if (i_PlayingStatus == preview::Paused)
        sound->setCurrentTime(i_Seconds_Position);
    if (!sound->play()) {
        stopAfterSoundFailure(*this, sound->errorText());
        return;
    }
    i_PlayingStatus = preview::Playing;
    Update_UI_After_Audio_Operation();
}

void AppDelegate::OnUserToolbarPause() { Audio_Pause(); }

void AppDelegate::OnUserToolbarStop() { Audio_Stop(); }

void AppDelegate::Audio_Pause()
{
    if (sound) {
        sound->pause();
        // The exact point, not the counted seconds.
        i_Seconds_Position = float(sound->currentTime());
    }
    i_PlayingStatus = preview::Paused;
    Update_UI_After_Audio_Operation();
}

void AppDelegate::soundDidReachEnd()
{
    // As after Stop: the next Play starts from the beginning.
    sound.reset();
    i_PlayingStatus = preview::Stopped;
    Update_UI_After_Audio_Operation();
}

void AppDelegate::Audio_Stop()
{
    if (sound)
        sound->stop();
    sound.reset();
    i_PlayingStatus = preview::Stopped;
    Update_UI_After_Audio_Operation();
}

void AppDelegate::Update_UI_After_Audio_Operation()
{
    const std::optional<preview::PlaybackControls> controls = preview::controlsFor(i_PlayingStatus);
    if (!controls)
        return;
    setEnabled(toolbarItemPlay, controls->play);
    setEnabled(toolbarItemPause, controls->pause);
    setEnabled(toolbarItemStop, controls->stop);
    setEnabled(menuItemPlay, controls->play);
    setEnabled(menuItemPause, controls->pause);
    setEnabled(menuItemStop, controls->stop);
    switch (controls->counter) {
    case preview::CounterAction::StopAndReset:
        timerHandleAudioPosition.stop();
        i_Seconds_Position = 0;
        break;
    case preview::CounterAction::Restart:
        timerHandleAudioPosition.start();
        break;
    case preview::CounterAction::Stop:
        timerHandleAudioPosition.stop();
        break;
    }
    enablePlayPause();
}

void AppDelegate::Disable_Audio_Play()
{
    for (QAction *item : {toolbarItemPlay.data(), toolbarItemPause.data(), toolbarItemStop.data(), menuItemPlay.data(),
                          menuItemPause.data(), menuItemStop.data()})
        setEnabled(item, false);
    enablePlayPause();
}

void AppDelegate::enablePlayPause()
{
    setEnabled(menuItemPlayPause,
               (menuItemPlay && menuItemPlay->isEnabled()) || (menuItemPause && menuItemPause->isEnabled()));
}

void AppDelegate::OnMenuPlayPause()
{
    if (i_PlayingStatus == preview::Playing) {
        if (menuItemPause && menuItemPause->isEnabled())
            Audio_Pause();
    } else if (menuItemPlay && menuItemPlay->isEnabled()) {
        OnUserToolbarPlay();
    }
}

void AppDelegate::TimerHandleAudioPositionRoutine()
{
    // Where the sound is, to the millisecond; counted seconds without one.
    i_Seconds_Position = sound ? float(sound->currentTime()) : i_Seconds_Position + 1.0f;
}

} // namespace quavero
