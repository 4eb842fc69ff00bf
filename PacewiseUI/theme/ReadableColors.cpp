#include "ReadableColors.h"

#include <QEvent>
#include <QGuiApplication>
#include <QQmlEngine>

#include <cmath>

namespace pacewise {

namespace {

double relativeLuminance(const QColor &color)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// The colour a translucent one shows drawn over an opaque background: Qt's
// own placeholder text, say, is the window text at half opacity.
QColor drawnOver(const QColor &color, const QColor &background)
{
    const float alpha = color.alphaF();
    if (alpha >= 1)
        return color;
    const QColor top = color.toRgb();
    const QColor bottom = background.toRgb();
    const auto mix = [alpha](float over, float under) { return over * alpha + under * (1 - alpha); };
    return QColor::fromRgbF(mix(top.redF(), bottom.redF()), mix(top.greenF(), bottom.greenF()), mix(top.blueF(), bottom.blueF()));
}

// The hues the windows have always used, on a light window.
const QColor warningHue(0xc8, 0x66, 0x0a);
const QColor criticalHue(0xd3, 0x2f, 0x2f);
const QColor successHue(0x2e, 0x7d, 0x32);

} // namespace

ReadableColors::ReadableColors(QObject *parent)
    : QObject(parent)
    , m_palette(QGuiApplication::palette())
{
    // The application hears of a new palette (the desktop went dark, say)
    // before its windows do; plain objects are not told at all.
    qGuiApp->installEventFilter(this);
}

void ReadableColors::registerWithQml()
{
    static const bool registered = [] {
        qmlRegisterSingletonType<ReadableColors>("Pacewise", 1, 0, "Colors",
                                                 [](QQmlEngine *, QJSEngine *) -> QObject * { return new ReadableColors; });
        return true;
    }();
    Q_UNUSED(registered);
}

bool ReadableColors::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qGuiApp && event->type() == QEvent::ApplicationPaletteChange) {
        m_palette = QGuiApplication::palette();
        emit changed();
    }
    return false;
}

double ReadableColors::contrast(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(drawnOver(first, second));
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableColors::readableOn(const QColor &wanted, const QColor &background, double minimumContrast)
{
    const QColor opaque = drawnOver(wanted, background);
    if (contrast(opaque, background) >= minimumContrast)
        return opaque;
    // Towards black on a light background, towards white on a dark one:
    // the lightness where it first reads, found by halving the interval.
    const bool darken = relativeLuminance(background) > 0.18;
    float hue = 0, saturation = 0, lightness = 0, alpha = 0;
    opaque.toHsl().getHslF(&hue, &saturation, &lightness, &alpha);
    // Judged as drawn, in 8 bits a channel: rounding must not take it
    // back under the line.
    const auto drawn = [&](float at) { return QColor(QColor::fromHslF(hue, saturation, at, alpha).rgba()); };
    float reads = darken ? 0.0F : 1.0F;
    float fails = lightness;
    for (int step = 0; step < 20; ++step) {
        const float middle = (reads + fails) / 2;
        if (contrast(drawn(middle), background) >= minimumContrast)
            reads = middle;
        else
            fails = middle;
    }
    return drawn(reads);
}

QColor ReadableColors::warning(const QPalette &palette)
{
    return readableOn(warningHue, palette.color(QPalette::Window), textContrast);
}

QColor ReadableColors::critical(const QPalette &palette)
{
    return readableOn(criticalHue, palette.color(QPalette::Window), textContrast);
}

QColor ReadableColors::success(const QPalette &palette)
{
    return readableOn(successHue, palette.color(QPalette::Window), textContrast);
}

QColor ReadableColors::secondaryText(const QPalette &palette)
{
    return readableOn(palette.color(QPalette::PlaceholderText), palette.color(QPalette::Window), textContrast);
}

QColor ReadableColors::track(const QPalette &palette)
{
    return readableOn(palette.color(QPalette::Mid), palette.color(QPalette::Window), graphicsContrast);
}

QColor ReadableColors::accent(const QPalette &palette)
{
    return readableOn(palette.color(QPalette::Highlight), palette.color(QPalette::Window), graphicsContrast);
}

} // namespace pacewise
