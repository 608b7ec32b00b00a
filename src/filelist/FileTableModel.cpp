// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/FileTableModel.h"

#include "filelist/core/ColumnSort.h"
#include "filelist/core/VideoFileList.h"

namespace quavero {

FileTableModel::FileTableModel(const VideoFileList &list, std::function<QColor()> textColour, QObject *parent)
    : QAbstractTableModel(parent), m_list(list), m_textColour(std::move(textColour))
{
}

int FileTableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int FileTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : filelist::kColumnCount;
}

QVariant FileTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const NodeVideoFile &entry = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return filelist::columnText(entry, index.column());
    case Qt::ForegroundRole:
        // Asked anew for every cell, so a change of the colours shows at the
        // next redraw.
        return m_textColour ? m_textColour() : QVariant();
    case Qt::ToolTipRole:
    case PathRole:
        return entry.s_File_Path();
    default:
        return QVariant();
    }
}

QVariant FileTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case filelist::NameColumn:
        return tr("Name");
    case filelist::ExtensionColumn:
        return tr("Format");
    case filelist::SizeColumn:
        return tr("Size");
    case filelist::DurationColumn:
        return tr("Duration");
    default:
        return QVariant();
    }
}

void FileTableModel::reload()
{
    beginResetModel();
    m_rows = m_list.snapshot();
    endResetModel();
}

} // namespace quavero
