// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// While the file table shows alternating rows, its rows take the desktop's
// own light or dark row colours, whatever its background colour is: the
// chosen list background shows only without alternating rows. The text
// colour rule (white on dark, black on light while rows alternate) relies on
// this, also at start-up, before the colours dialog was ever used.
#include <QObject>
#include <QPointer>
#include <functional>

class QAbstractItemView;

namespace quavero {

class TableRowBackground : public QObject {
    Q_OBJECT
public:
    TableRowBackground(QAbstractItemView *view, std::function<bool()> isDark, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QAbstractItemView> m_view;
    std::function<bool()> m_isDark;
};

} // namespace quavero
