// SPDX-License-Identifier: GPL-3.0-or-later
// The waveform picture of the preview: made by ffmpeg from the preview WAV in
// the wave colour of the colours dialog, shown in the pane over its
// background colour, and made again when the wave colour changes.
#include "app/AppDelegate.h"

#include "preview/JoinedChild.h"
#include "preview/View_Audio_Wave.h"
#include "preview/core/PreviewFiles.h"

#include <QFileInfo>

namespace quavero {

void AppDelegate::openFileWithFilePathURL(const QUrl &url)
{
    if (url.isEmpty()) {
        timerReEnableToolbar.start(); // restarting cancels a pending one
        return;
    }
    const quint64 generation = previewGeneration;
    const QString wav = url.toLocalFile();
    const QColor drawnIn = colorSpectrum;
    Create_Waveform(url);
    JoinedChild *waveform = previewChild;
    const QString picture = sCurrentSpectrumFile;
    const QString shown = QFileInfo(s_Audio_File).fileName();
    connect(waveform, &JoinedChild::finished, this, [this, waveform, generation, picture, shown, wav, drawnIn] {
        waveform->deleteLater();
        if (generation != previewGeneration)
            return;
        previewChild = nullptr;
        b_Audio_Loaded = 1;
        // The pane takes the picture once it is complete; without one it
        // keeps the last good picture.
        if (viewAudioPlot && viewAudioPlot->showPicture(picture, shown)) {
            s_Picture_WAV = wav;
            colorOfPicture = drawnIn;
        }
        timerReEnableToolbar.start();
        emit previewPrepared(true);
        // The colour may have changed while the picture was being made.
        redrawWaveform();
    });
}

int AppDelegate::Create_Waveform(const QUrl &url)
{
    const QString input = url.toLocalFile();
    // The number is used up before ffmpeg runs, also when it fails.
    const int number = iCurrentSpectrumIndex++;
    sCurrentSpectrumFile = preview::spectrumPicturePath(s_Output_Folder, number);
    if (previewChild)
        previewChild->abandon();
    const QString color =
        preview::filterColor(colorSpectrum.red(), colorSpectrum.green(), colorSpectrum.blue(), colorSpectrum.alpha());
    previewChild = new JoinedChild(sffmpegPath, preview::waveformArguments(input, sCurrentSpectrumFile, color), this);
    previewChild->setPartialOutput(sCurrentSpectrumFile);
    return number;
}

void AppDelegate::redrawWaveform()
{
    if (viewAudioPlot)
        viewAudioPlot->setBackground(colorBackground);
    // A preparation under way checks the colour again at its end.
    if (previewChild || colorOfPicture == colorSpectrum || s_Picture_WAV.isEmpty() || !QFileInfo(s_Picture_WAV).isFile())
        return;
    const quint64 generation = previewGeneration;
    const QColor drawnIn = colorSpectrum;
    Create_Waveform(QUrl::fromLocalFile(s_Picture_WAV));
    JoinedChild *waveform = previewChild;
    const QString picture = sCurrentSpectrumFile;
    const QString shown = viewAudioPlot ? viewAudioPlot->shownFile() : QString();
    connect(waveform, &JoinedChild::finished, this, [this, waveform, generation, picture, shown, drawnIn] {
        waveform->deleteLater();
        if (generation != previewGeneration)
            return;
        previewChild = nullptr;
        if (viewAudioPlot && viewAudioPlot->showPicture(picture, shown))
            colorOfPicture = drawnIn;
        emit waveformRedrawn();
        redrawWaveform();
    });
}

} // namespace quavero
