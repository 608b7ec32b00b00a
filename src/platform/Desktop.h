// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a web address in the user's browser and a folder in the file browser.
#include <QString>
#include <QUrl>

namespace quavero {

class IDesktop {
public:
    virtual ~IDesktop() = default;
    virtual void openUrl(const QUrl &url) = 0;
    virtual void openFolder(const QString &path) = 0;
};

class QtDesktop : public IDesktop {
public:
    void openUrl(const QUrl &url) override;
    void openFolder(const QString &path) override;
};

} // namespace quavero
