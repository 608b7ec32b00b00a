// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells when the selection of a table view changes, also after the view was
// given a new model (which brings a new selection model with it).
#include <QObject>
#include <QPointer>

class QAbstractItemView;
class QItemSelectionModel;

namespace quavero {

class TableSelectionWatcher : public QObject {
    Q_OBJECT
public:
    TableSelectionWatcher(QAbstractItemView *view, QObject *parent);

signals:
    void selectionChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Follows the view's current selection model, if it changed.
    void attach();

    QPointer<QAbstractItemView> m_view;
    QPointer<QItemSelectionModel> m_model;
    QMetaObject::Connection m_connection;
};

} // namespace quavero
