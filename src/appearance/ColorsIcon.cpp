// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/ColorsIcon.h"

#include <QPainter>
#include <QPixmap>

namespace quavero {

namespace appearanceicons {
QIcon colorsIcon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal cell = side / 2.0;
        const qreal inset = side / 16.0;
        const QColor swatches[] = {QColor(0x1c, 0x99, 0xd5), QColor(0x3c, 0xb0, 0x4a), QColor(0xe8, 0x4a, 0x3c),
                                   QColor(0xf2, 0xb6, 0x30)};
        for (int i = 0; i < 4; ++i) {
            const QRectF box((i % 2) * cell + inset, (i / 2) * cell + inset, cell - 2 * inset, cell - 2 * inset);
            painter.setPen(QPen(QColor(0, 0, 0, 110), 1));
            painter.setBrush(swatches[i]);
            painter.drawRoundedRect(box, side / 10.0, side / 10.0);
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
} // namespace appearanceicons

} // namespace quavero
