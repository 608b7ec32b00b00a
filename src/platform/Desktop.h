// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a web address in the user's browser, and a folder or a file's
// place in the file manager.
#include <QString>
#include <QUrl>

namespace quavero {

class IDesktop {
public:
    virtual ~IDesktop() = default;
    virtual void openUrl(const QUrl &url) = 0;
    virtual void openFolder(const QString &path) = 0;
    // Opens the file's folder in the file manager with the file selected
    // where the file manager can do that, else the folder alone.
    virtual void showFile(const QString &path) = 0;
};

class QtDesktop : public IDesktop {
public:
    void openUrl(const QUrl &url) override;
    void openFolder(const QString &path) override;
    // Asks the file manager over D-Bus (org.freedesktop.FileManager1
    // ShowItems); opens the folder when no file manager answers that way.
    void showFile(const QString &path) override;
};

} // namespace quavero
