// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/TableSelectionWatcher.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QItemSelectionModel>

namespace quavero {

TableSelectionWatcher::TableSelectionWatcher(QAbstractItemView *view, QObject *parent) : QObject(parent), m_view(view)
{
    if (!view)
        return;
    // A view makes a new selection model, as its child, whenever it is given
    // a model. The child is not finished when it is announced, so it is
    // looked at once the event loop runs again.
    view->installEventFilter(this);
    attach();
}

bool TableSelectionWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::ChildAdded)
        QMetaObject::invokeMethod(this, &TableSelectionWatcher::attach, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void TableSelectionWatcher::attach()
{
    QItemSelectionModel *model = m_view ? m_view->selectionModel() : nullptr;
    if (model == m_model)
        return;
    disconnect(m_connection);
    m_model = model;
    if (model)
        m_connection =
            connect(model, &QItemSelectionModel::selectionChanged, this, &TableSelectionWatcher::selectionChanged);
}

} // namespace quavero
