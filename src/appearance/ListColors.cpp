#include "appearance/ListColors.h"

namespace listcolors {
QColor resolve(listappearance::Source source, const QColor &listColor)
{
    switch (source) {
    case listappearance::Source::White:
        return QColor(Qt::white);
    case listappearance::Source::Black:
        return QColor(Qt::black);
    case listappearance::Source::ListColor:
        break;
    }
    return listColor;
}

QColor rowBackground(bool dark)
{
    return dark ? QColor(Qt::black) : QColor(Qt::white);
}

QColor alternateRowBackground(bool dark)
{
    return dark ? QColor(0x26, 0x26, 0x28) : QColor(0xf0, 0xf2, 0xf5);
}
} // namespace listcolors
