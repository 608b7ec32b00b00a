// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTimer>

namespace quavero {

namespace paneltexts {
namespace {
class Texts {
public:
    void add(const QString &text)
    {
        QString plain = text;
        plain.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        plain = plain.trimmed();
        if (!plain.isEmpty() && !m_list.contains(plain))
            m_list << plain;
    }
    void addAction(const QAction *action)
    {
        if (action->isSeparator())
            return;
        add(action->text());
        add(action->toolTip());
        if (action->menu())
            for (const QAction *inner : action->menu()->actions())
                addAction(inner);
    }
    void addWidget(QWidget *widget)
    {
        add(widget->accessibleName());
        add(widget->accessibleDescription());
        add(widget->toolTip());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button->text());
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(group->title());
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            add(edit->placeholderText());
        if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            add(spin->prefix());
            add(spin->suffix());
        }
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i));
        if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model())
            for (int section = 0; section < view->model()->columnCount(); ++section)
                add(view->model()->headerData(section, Qt::Horizontal).toString());
        for (const QAction *action : widget->actions())
            addAction(action);
    }
    QStringList list() const { return m_list; }

private:
    QStringList m_list;
};
} // namespace

QStringList of(QWidget *window)
{
    Texts texts;
    texts.add(window->windowTitle());
    texts.addWidget(window);
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (auto *menu = qobject_cast<QMenu *>(widget)) {
            texts.add(menu->title());
            for (const QAction *action : menu->actions())
                texts.addAction(action);
        } else if (widget->isVisibleTo(window) && !qobject_cast<QHeaderView *>(widget)) {
            texts.addWidget(widget);
        }
    }
    return texts.list();
}

QStringList ofModal(const std::function<void()> &open, const char *kind, const std::function<void(QWidget *)> &within)
{
    QStringList found;
    QTimer look;
    look.setInterval(50);
    QObject::connect(&look, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->inherits(kind) || !modal->isVisible())
            return;
        look.stop();
        if (within)
            within(modal);
        found = of(modal);
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    });
    // A panel that never shows cannot keep the test waiting.
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, [&] {
        look.stop();
        if (QWidget *modal = QApplication::activeModalWidget(); modal && modal->inherits(kind))
            modal->close();
    });
    look.start();
    bound.start(10000);
    open();
    return found;
}
} // namespace paneltexts

} // namespace quavero
