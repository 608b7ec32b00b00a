// Preview playback and the waveform picture. (Being built.)
#include "app/AppDelegate.h"

#include "platform/Sound.h"

void AppDelegate::setUpPreview() {}
void AppDelegate::tableViewSelectionDidChange() {}
void AppDelegate::TimerHandleAudioTracksRoutine() {}
void AppDelegate::openFileWithFilePathURL(const QUrl &) {}
void AppDelegate::OnUserToolbarPlay() {}
void AppDelegate::OnUserToolbarPause() {}
void AppDelegate::OnUserToolbarStop() {}
void AppDelegate::Audio_Pause() {}
void AppDelegate::Audio_Stop() {}
void AppDelegate::Update_UI_After_Audio_Operation() {}
void AppDelegate::Disable_Audio_Play() {}
void AppDelegate::TimerHandleAudioPositionRoutine() {}
int AppDelegate::Create_Waveform(const QUrl &) { return 0; }
