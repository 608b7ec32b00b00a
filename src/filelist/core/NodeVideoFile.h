// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry of the input file list. An entry is complete before it is added
// to the list and is never changed afterwards, so copies can be read from any
// thread.
#include <QString>
#include <QUrl>

#include "cue/core/ImageTrack.h"
#include "filelist/core/AudioStream.h"
#include "formats/core/RecordField.h"

namespace quavero {

class NodeVideoFile {
    QV_RECORD_FIELD(QUrl, s_File_URL, setS_File_URL, QUrl())
    QV_RECORD_FIELD(QString, s_File_Path, setS_File_Path, QString())
    QV_RECORD_FIELD(QString, s_Folder_Path, setS_Folder_Path, QString())
    QV_RECORD_FIELD(QString, s_File_Name_Without_Extension, setS_File_Name_Without_Extension, QString())
    QV_RECORD_FIELD(QString, s_File_Extension, setS_File_Extension, QString())
    QV_RECORD_FIELD(QString, s_File_Size, setS_File_Size, QString())
    QV_RECORD_FIELD(qint64, i_Duration_in_Seconds, setI_Duration_in_Seconds, 0)
    QV_RECORD_FIELD(QString, s_Duration, setS_Duration, QString())
    // The size in bytes behind s_File_Size; the size column sorts by it.
    QV_RECORD_FIELD(quint64, u_File_Size_Bytes, setU_File_Size_Bytes, 0)
    // The folder of the file relative to the folder it was added under with
    // its subfolders ("Disc 1/Live", "" for the top folder itself). Empty for
    // files added any other way; a conversion keeps this structure under the
    // destination.
    QV_RECORD_FIELD(QString, s_Relative_Folder, setS_Relative_Folder, QString())
    // The input's first audio stream (codec, rate, channels, sample size), from
    // the same report as the duration; not known() when the file was not
    // probed or ffmpeg found no audio in it.
    QV_RECORD_FIELD(AudioStream, m_Audio_Stream, setM_Audio_Stream, AudioStream())
    // For one track of an album image: where it lies in the image (the file
    // s_File_Path names) and its sheet's tags; not isTrack() for a whole file.
    QV_RECORD_FIELD(ImageTrack, m_Track, setM_Track, ImageTrack())
};

} // namespace quavero
