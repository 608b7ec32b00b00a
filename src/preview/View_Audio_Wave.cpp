#include "preview/View_Audio_Wave.h"

#include "app/AppDelegate.h"
#include "preview/core/PreviewFiles.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

View_Audio_Wave::View_Audio_Wave(QWidget *parent) : QWidget(parent)
{
    // Every pixel is painted: nothing of the parent needs to show through.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void View_Audio_Wave::setController(AppDelegate *controller)
{
    m_controller = controller;
    update();
}

QPoint View_Audio_Wave::placeholderCorner(const QSize &size)
{
    return QPoint(size.width() / 20, size.height() - size.height() / 6);
}

void View_Audio_Wave::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    // The picture is always stretched over the whole pane, also when only a
    // part of it is repainted.
    const QRect area = rect();
    painter.fillRect(area, Qt::black);

    if (m_controller && m_controller->b_Audio_Loaded) {
        const QImage picture(
            preview::spectrumPicturePath(m_controller->s_Output_Folder, m_controller->iCurrentSpectrumIndex - 1));
        if (!picture.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(area, picture);
        }
        return;
    }

    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(24);
    painter.setFont(font);
    painter.setPen(QColor::fromRgbF(1, 0, 0, 1));
    // The corner is the bottom of the text's line; the baseline sits its
    // descent above it.
    const QPoint corner = placeholderCorner(area.size());
    painter.drawText(corner - QPoint(0, QFontMetrics(font).descent()), tr("No Audio Loaded"));
}
