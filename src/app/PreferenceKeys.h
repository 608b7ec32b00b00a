// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every key of the preferences store, and the default appearance colours.
#include <QColor>
#include <QString>

namespace quavero {

namespace prefkeys {
inline const QString kOutputFormat = QStringLiteral("DremlockAOF28");
inline const QString kColorBackground = QStringLiteral("Dremlock_Zentuvo_Color_Background");
inline const QString kColorSpectrum = QStringLiteral("Dremlock_Zentuvo_Color_Spectrum");
inline const QString kAlternatingRows = QStringLiteral("Dremlock_Zentuvo_b_List_Alternating_Rows");
inline const QString kColorTableBackground = QStringLiteral("Dremlock_Zentuvo_Color_Table_Background");
inline const QString kColorTableForeground = QStringLiteral("Dremlock_Zentuvo_Color_Table_Foreground");
// How a conversion run in the window paces itself (Edit > Preferences).
inline const QString kFilesAtOnce = QStringLiteral("Quavero_Files_At_Once");
inline const QString kPauseBetweenFiles = QStringLiteral("Quavero_Pause_Between_Files");
// Keeping a destination in step with the inputs (Edit > Preferences), "1" or
// "0", off when missing.
inline const QString kSkipUpToDate = QStringLiteral("Quavero_Skip_Up_To_Date");
inline const QString kDeleteOrphans = QStringLiteral("Quavero_Delete_Orphans");
inline const QString kCopySameFormat = QStringLiteral("Quavero_Copy_Same_Format");
// Loudness (Edit > Preferences): the tags written ("none", "track", "album")
// and the level normalised to in LUFS ("-16"; empty when off).
inline const QString kLoudnessTags = QStringLiteral("Quavero_Loudness_Tags");
inline const QString kNormalizeLoudness = QStringLiteral("Quavero_Normalize_Loudness");
// The template outputs are named with (Edit > Preferences); empty or missing
// names each output after its input.
inline const QString kNameTemplate = QStringLiteral("Quavero_Name_Template");
// Where the folder choosers open: the last destination of a run, and the
// folder of the last files or folder added.
inline const QString kLastDestination = QStringLiteral("Quavero_Last_Destination");
inline const QString kLastAddedFolder = QStringLiteral("Quavero_Last_Added_Folder");
// The main window's place and size (Qt's saved geometry), and the splitter
// between the list and the waveform (its saved state).
inline const QString kWindowPlace = QStringLiteral("Quavero_Window_Place");
inline const QString kWindowSplitter = QStringLiteral("Quavero_Window_Splitter");
// A colour key's marker: the key with this suffix holds "Recorded" once the
// default was stored.
inline const QString kMarkerSuffix = QStringLiteral("_String");
inline const QString kMarkerValue = QStringLiteral("Recorded");
} // namespace prefkeys

namespace defaultcolors {
inline QColor background() { return QColor::fromRgbF(0, 0, 0, 1); }
inline QColor spectrum() { return QColor::fromRgbF(0, 1, 0, 1); }
// 82/255 in single precision.
inline QColor tableBackground()
{
    return QColor::fromRgbF(0.32156863808631897f, 0.32156863808631897f, 0.32156863808631897f, 1.0f);
}
inline QColor tableForeground() { return QColor::fromRgbF(1, 1, 1, 1); }
} // namespace defaultcolors

} // namespace quavero
