#include "tray/TrayIconRenderer.h"

#include <QGuiApplication>
#include <QtTest>

using namespace pacewise;

Q_DECLARE_METATYPE(pacewise::MenuBarUsage::Severity)

namespace {

// Opaque and light enough not to be the halo: the body of mark or figure.
bool isBody(const QColor &color)
{
    return color.alpha() >= 230 && color.lightness() > 100;
}

QList<QColor> bodyPixels(const QImage &image)
{
    QList<QColor> body;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isBody(image.pixelColor(x, y)))
                body << image.pixelColor(x, y);
        }
    }
    return body;
}

// Grey, orange or red: what a glance at the panel tells apart.
enum class Tint { grey, orange, red, other };

Tint tintOf(const QColor &color)
{
    if (color.hslSaturation() < 40)
        return Tint::grey;
    const int hue = color.hslHue();
    if (hue >= 20 && hue <= 45)
        return Tint::orange;
    if (hue <= 12 || hue >= 345)
        return Tint::red;
    return Tint::other;
}

// Columns of the image that hold body pixels, as runs: one run per glyph
// when the glyphs stand apart.
int inkRuns(const QImage &image)
{
    int runs = 0;
    bool inRun = false;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y) {
            ink = isBody(image.pixelColor(x, y));
        }
        if (ink && !inRun)
            ++runs;
        inRun = ink;
    }
    return runs;
}

} // namespace

class TrayIconTest : public QObject {
    Q_OBJECT

private slots:
    void theColourFollowsTheSeverity_data()
    {
        QTest::addColumn<MenuBarUsage::Severity>("severity");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QColor>("expected");
        using enum MenuBarUsage::Severity;
        for (const QString &title : {QString(), u"42%"_qs}) {
            const char *what = title.isEmpty() ? "mark" : "figure";
            QTest::addRow("%s, no data", what) << noData << title << TrayIconRenderer::neutralColor();
            QTest::addRow("%s, normal", what) << normal << title << TrayIconRenderer::neutralColor();
            QTest::addRow("%s, warning", what) << warning << title << TrayIconRenderer::warningColor();
            QTest::addRow("%s, critical", what) << critical << title << TrayIconRenderer::criticalColor();
        }
    }

    void theColourFollowsTheSeverity()
    {
        QFETCH(MenuBarUsage::Severity, severity);
        QFETCH(QString, title);
        QFETCH(QColor, expected);
        for (const int size : {16, 22, 24, 32}) {
            const QList<QColor> body = bodyPixels(TrayIconRenderer::render(severity, title, size));
            QVERIFY2(body.size() >= size / 2, qPrintable(u"%1 px: %2 body pixels"_qs.arg(size).arg(body.size())));
            const qsizetype matching =
                std::ranges::count_if(body, [&](const QColor &color) { return tintOf(color) == tintOf(expected); });
            QVERIFY2(matching * 2 > body.size(), qPrintable(u"%1 px: %2 of %3"_qs.arg(size).arg(matching).arg(body.size())));
        }
    }

    void aHaloKeepsItVisibleOnLightAndDarkPanels()
    {
        const QImage image = TrayIconRenderer::render(MenuBarUsage::Severity::normal, u"42%"_qs, 22);
        int dark = 0, light = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor color = image.pixelColor(x, y);
                if (color.alpha() > 150)
                    (color.lightness() < 60 ? dark : light) += color.lightness() < 60 || color.lightness() > 200;
            }
        }
        QVERIFY2(dark > 20 && light > 20, qPrintable(u"%1 dark, %2 light"_qs.arg(dark).arg(light)));
    }

    void oneHundredPercentStaysLegibleAt22Pixels()
    {
        for (const qreal scale : {1.0, 2.0}) {
            const QImage image = TrayIconRenderer::render(MenuBarUsage::Severity::critical, u"100%"_qs, 22, scale);
            QCOMPARE(image.width(), int(22 * scale));
            // Four glyphs standing apart, "1", "0", "0" and "%".
            QCOMPARE(inkRuns(image), 4);
            // The digits are at least 9 pixels (18 at 200 %) tall.
            int top = image.height(), bottom = -1;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width() / 2; ++x) {
                    if (isBody(image.pixelColor(x, y))) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
                }
            }
            QVERIFY2(bottom - top + 1 >= 9 * scale, qPrintable(u"%1 px tall"_qs.arg(bottom - top + 1)));
        }
    }

    void hostileTitlesStayInsideTheSquare()
    {
        for (const QString &title : {u"999%"_qs, u"—%"_qs, u"漢字"_qs, u"\u05e9\u05dc\u05d5\u05dd"_qs, u"\u200b"_qs}) {
            const QImage image = TrayIconRenderer::render(MenuBarUsage::Severity::warning, title, 22);
            QCOMPARE(image.size(), QSize(22, 22));
            QVERIFY2(!bodyPixels(image).isEmpty(), qPrintable(title)); // the title, or the mark in its stead
        }
        QCOMPARE(TrayIconRenderer::render(MenuBarUsage::Severity::normal, QString(), 0).size(), QSize(1, 1));
    }
};

QTEST_MAIN(TrayIconTest)
#include "tst_trayicon.moc"
