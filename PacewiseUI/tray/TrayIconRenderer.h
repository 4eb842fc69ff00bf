#pragma once

#include "usage/TrayUsage.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QString>

namespace pacewise {

// Draws the tray icon. Linux trays take a square picture and no text, so the
// figure goes into the picture: with the percentage shown, the figure alone,
// as large as the square allows, coloured by severity; without it, the
// figure-eight mark, coloured by severity. Panels may be light or dark and
// there is no tinting, so everything has a dark halo around a light or
// coloured body.
class TrayIconRenderer {
public:
    static QColor warningColor() { return QColor(0xF0, 0x8A, 0x24); }
    static QColor criticalColor() { return QColor(0xE5, 0x39, 0x35); }
    static QColor neutralColor() { return QColor(0xF5, 0xF5, 0xF5); }
    static QColor haloColor() { return QColor(0x1E, 0x1E, 0x1E, 0xD0); }
    // Below this many device pixels "42%" is drawn as "42": at Plasma's 22
    // and 24 pixels the sign came out about 5 pixels high and read as an 8.
    // The tooltip and the menu carry the sign.
    static constexpr int smallestWithPercentSign = 32;

    static QColor colorFor(TrayUsage::Severity severity);

    // A square of sizeInPoints at devicePixelRatio. An empty title draws the
    // mark; otherwise the title ("42%", "—%") is drawn.
    static QImage render(TrayUsage::Severity severity, const QString &title, int sizeInPoints,
                         qreal devicePixelRatio = 1.0);

    // The icon at every size a tray asks for, on ordinary and doubled screens.
    static QIcon icon(TrayUsage::Severity severity, const QString &title);
};

} // namespace pacewise
