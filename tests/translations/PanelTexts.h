// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a user reads in a window: its title, and the labels, buttons, group
// titles, list entries, column headers, menu items, tool tips and names for
// screen readers of what it shows.
#include <QStringList>
#include <functional>

class QWidget;

namespace quavero {

namespace paneltexts {
// The texts of a window and its visible parts, and of every menu it holds
// (shown or not); access letters taken out, each text once.
QStringList of(QWidget *window);
// Runs open(), which shows a modal window (a file panel, a colour chooser, an
// alert) and waits in it; takes that window's texts once it is up, then
// closes it. Only a window of the class named by kind counts (others, such as
// a sheet already open, are left alone). within is called on the window
// first (to open its details, say). Empty when none came within ten seconds.
QStringList ofModal(const std::function<void()> &open, const char *kind = "QDialog",
                    const std::function<void(QWidget *)> &within = {});
} // namespace paneltexts

} // namespace quavero
