// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the .OGG output: variable or constant bitrate, channels, and the
// effects, which apply only in variable-bitrate mode.
#include "formats/FormatOptionsDialog.h"

#include <QPointer>
#include <QRadioButton>

namespace quavero {

class Window_AF_OGG : public FormatOptionsDialog {
    Q_OBJECT
public:
    Window_AF_OGG(FormatRecords &records, std::function<void()> onClose, QWidget *parent = nullptr);

protected:
    // The effects are usable only while variable bitrate is on.
    void applyEnableRules() override;

private:
    QPointer<QRadioButton> radioVBR;
};

} // namespace quavero
