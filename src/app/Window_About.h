// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Help > About Quavero: the program's name and version, what it does, its
// licence, and the ffmpeg and sox it runs (filled in once they have answered).
#include <QDialog>
#include <memory>

namespace Ui {
class Window_About;
}

namespace quavero {

class Window_About : public QDialog {
    Q_OBJECT
public:
    Window_About(const QString &version, const QString &licence, QWidget *parent);
    ~Window_About() override;

    // The lines of the two programs, as about::programLine words them.
    void showPrograms(const QString &ffmpegLine, const QString &soxLine);

signals:
    // The programs' lines have been filled in.
    void programsShown();

private:
    std::unique_ptr<Ui::Window_About> m_ui;
};

} // namespace quavero
