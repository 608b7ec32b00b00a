#pragma once
// What the file table shows: one row per entry of the controller's file list,
// four columns (name, extension, size text, duration text), every cell in the
// controller's text colour.
//
// The rows are a copy of the list taken at each reload, so the number of rows
// the view knows never changes under it while an add worker appends: new
// entries show at the next reload, which the add makes after its last file.
#include <QAbstractTableModel>
#include <QList>

#include "filelist/core/NodeVideoFile.h"

class AppDelegate;

class FileTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The entry's file path, the key that finds an entry's row again after a reload.
    static constexpr int PathRole = Qt::UserRole + 1;

    explicit FileTableModel(AppDelegate &controller, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Takes the list anew and has every view redraw all rows.
    void reload();

private:
    AppDelegate &m_controller;
    QList<NodeVideoFile> m_rows;
};
