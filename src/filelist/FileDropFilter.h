// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets files and folders be dropped on a widget (the file table's viewport):
// a drag that carries local files is accepted, and the drop hands their paths
// on, in the order the drag gives them.
#include <QObject>
#include <QStringList>

class QMimeData;
class QWidget;

namespace quavero {

class FileDropFilter : public QObject {
    Q_OBJECT
public:
    // Installs itself on target and makes it accept drops.
    explicit FileDropFilter(QWidget *target);

    // The local paths a drag carries; empty when it carries none.
    static QStringList localPaths(const QMimeData *data);

signals:
    void pathsDropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace quavero
