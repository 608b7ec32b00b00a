// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the file table shows: one row per entry of the file list, four columns
// (name, extension, size text, duration text), every cell in the text colour
// it is given.
//
// The rows are a copy of the list taken at each reload, so the number of rows
// the view knows never changes under it while an add worker appends: new
// entries show at the next reload, which the add makes after its last file.
#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <functional>

#include "filelist/core/NodeVideoFile.h"

namespace quavero {

class VideoFileList;

class FileTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The entry's file path, the key that finds an entry's row again after a reload.
    static constexpr int PathRole = Qt::UserRole + 1;

    // textColour is asked for every painted cell, so it must answer at once
    // (from settings already read, never from the desktop).
    FileTableModel(const VideoFileList &list, std::function<QColor()> textColour, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Takes the list anew and has every view redraw all rows.
    void reload();

private:
    const VideoFileList &m_list;
    std::function<QColor()> m_textColour;
    QList<NodeVideoFile> m_rows;
};

} // namespace quavero
