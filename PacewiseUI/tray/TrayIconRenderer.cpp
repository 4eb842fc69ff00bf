#include "TrayIconRenderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <cmath>

namespace pacewise {

namespace {

// The mark, in a 50 × 30 design space: a figure-eight on its side with four
// short ticks around its centre.
QPainterPath outline()
{
    QPainterPath path(QPointF(25, 15));
    path.cubicTo(19, 5, 7, 5, 7, 15);
    path.cubicTo(7, 25, 19, 25, 25, 15);
    path.cubicTo(31, 5, 43, 5, 43, 15);
    path.cubicTo(43, 25, 31, 25, 25, 15);
    path.closeSubpath();
    return path;
}

QPainterPath ticks()
{
    QPainterPath path;
    for (const auto &[from, to] : {std::pair{QPointF(25, 8), QPointF(25, 4)}, std::pair{QPointF(25, 22), QPointF(25, 26)},
                                   std::pair{QPointF(32, 15), QPointF(36, 15)}, std::pair{QPointF(18, 15), QPointF(14, 15)}}) {
        path.moveTo(from);
        path.lineTo(to);
    }
    return path;
}

// The mark's strokes as one filled shape, so that halo and body are drawn
// the same way as the text's.
QPainterPath markShape()
{
    QPainterPathStroker outlineStroke;
    outlineStroke.setWidth(4.3);
    outlineStroke.setCapStyle(Qt::RoundCap);
    outlineStroke.setJoinStyle(Qt::RoundJoin);
    QPainterPathStroker tickStroke;
    tickStroke.setWidth(2.0);
    tickStroke.setCapStyle(Qt::RoundCap);
    return outlineStroke.createStroke(outline()).united(tickStroke.createStroke(ticks()));
}

// The title as a shape filling the square's width: the digits as large as
// they fit, a trailing percent sign smaller, so that "100%" stays legible.
QPainterPath titleShape(const QString &title, qreal side)
{
    const bool percent = title.endsWith(u'%') && title.size() > 1;
    // "42 %" in languages that space the sign: the space only costs width.
    const QString figure = percent ? title.chopped(1).trimmed() : title;
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Noto Sans"), QStringLiteral("sans-serif")});
    font.setStretch(QFont::Condensed);
    font.setWeight(QFont::Bold);
    font.setPixelSize(100);
    QFont small = font;
    small.setPixelSize(60);

    QPainterPath path;
    path.addText(0, 0, font, figure);
    if (percent) {
        const qreal gap = 4;
        path.addText(path.boundingRect().right() + gap, 0, small, QStringLiteral("%"));
    }
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return {};
    // A long figure is narrowed rather than shrunk, down to two thirds of
    // its width, so that its digits keep their height.
    const qreal widthScale = side / bounds.width();
    const qreal heightScale = std::min(side * 0.78 / bounds.height(), widthScale * 1.5);
    QTransform transform;
    transform.translate(side / 2, side / 2);
    transform.scale(widthScale, heightScale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

} // namespace

QColor TrayIconRenderer::colorFor(TrayUsage::Severity severity)
{
    switch (severity) {
    case TrayUsage::Severity::warning:
        return warningColor();
    case TrayUsage::Severity::critical:
        return criticalColor();
    case TrayUsage::Severity::noData:
    case TrayUsage::Severity::normal:
        return neutralColor();
    }
    return neutralColor();
}

QImage TrayIconRenderer::render(TrayUsage::Severity severity, const QString &title, int sizeInPoints,
                                qreal devicePixelRatio)
{
    const int pixels = std::max(1, int(std::lround(sizeInPoints * devicePixelRatio)));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(devicePixelRatio);

    // The halo takes about a pixel on each side at any size.
    const qreal halo = std::max(0.8, pixels / 18.0);
    const qreal inner = pixels - 2 * halo;
    // In a small square the percent sign cannot be read and only shrinks
    // the digits: the figure alone is drawn.
    QString shown = title;
    if (pixels < smallestWithPercentSign && shown.size() > 1 && shown.endsWith(u'%'))
        shown.chop(1);
    // A title no font can draw leaves the mark.
    QPainterPath shape = shown.isEmpty() ? QPainterPath() : titleShape(shown, inner).translated(halo, halo);
    if (shape.isEmpty()) {
        const QPainterPath mark = markShape();
        const QRectF bounds = mark.boundingRect();
        const qreal scale = inner / bounds.width();
        QTransform transform;
        transform.translate(pixels / 2.0, pixels / 2.0);
        transform.scale(scale, scale);
        transform.translate(-bounds.center().x(), -bounds.center().y());
        shape = transform.map(mark);
    }

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(1 / devicePixelRatio, 1 / devicePixelRatio); // draw in device pixels
    QPen haloPen(haloColor(), 2 * halo);
    haloPen.setJoinStyle(Qt::RoundJoin);
    painter.strokePath(shape, haloPen);
    painter.fillPath(shape, colorFor(severity));
    return image;
}

QIcon TrayIconRenderer::icon(TrayUsage::Severity severity, const QString &title)
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        for (const qreal scale : {1.0, 2.0})
            icon.addPixmap(QPixmap::fromImage(render(severity, title, size, scale)));
    }
    return icon;
}

} // namespace pacewise
