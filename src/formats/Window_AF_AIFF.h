// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the .AIFC, .AIFF and .AIF outputs (one record for the three):
// sample rate, channels, format, bitrate, and the effects, which apply only
// to uncompressed audio.
#include "formats/FormatOptionsDialog.h"

#include <QComboBox>
#include <QPointer>

namespace quavero {

class Window_AF_AIFF : public FormatOptionsDialog {
    Q_OBJECT
public:
    Window_AF_AIFF(FormatRecords &records, std::function<void()> onClose, QWidget *parent = nullptr);

protected:
    // The effects are usable only when the format is "Uncompressed".
    void applyEnableRules() override;

private:
    QPointer<QComboBox> comboFormat;
};

} // namespace quavero
