// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the .M4A output: codec (AAC or Apple Lossless), sample rate,
// channels and, for AAC, bitrate.
#include "formats/FormatOptionsDialog.h"

#include <QComboBox>
#include <QPointer>

namespace quavero {

class Window_AF_M4A : public FormatOptionsDialog {
    Q_OBJECT
public:
    Window_AF_M4A(FormatRecords &records, std::function<void()> onClose, QWidget *parent = nullptr);

protected:
    // The bitrate is usable only with AAC.
    void applyEnableRules() override;

private:
    QPointer<QComboBox> comboCodec;
    QPointer<QComboBox> comboBitrate;
};

} // namespace quavero
