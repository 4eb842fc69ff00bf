#include "tray/TrayIconRenderer.h"

#include <QGuiApplication>
#include <QtTest>

using namespace pacewise;

namespace {

// Opaque pixels light enough not to be the halo: the body of mark or figure.
QList<QColor> bodyPixels(const QImage &image)
{
    QList<QColor> body;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (const QColor color = image.pixelColor(x, y); color.alpha() >= 230 && color.lightness() > 100)
                body << color;
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

} // namespace

class TrayIconTest : public QObject {
    Q_OBJECT

private slots:
    void theColourFollowsTheSeverity_data()
    {
        QTest::addColumn<TrayUsage::Severity>("severity");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Tint>("expected");
        using enum TrayUsage::Severity;
        for (const QString &title : {QString(), u"42%"_qs}) {
            const char *what = title.isEmpty() ? "mark" : "figure";
            QTest::addRow("%s, normal", what) << normal << title << Tint::grey;
            QTest::addRow("%s, warning", what) << warning << title << Tint::orange;
            QTest::addRow("%s, critical", what) << critical << title << Tint::red;
        }
    }

    void theColourFollowsTheSeverity()
    {
        QFETCH(TrayUsage::Severity, severity);
        QFETCH(QString, title);
        QFETCH(Tint, expected);
        for (const int size : {16, 22, 24, 32}) {
            const QList<QColor> body = bodyPixels(TrayIconRenderer::render(severity, title, size));
            QVERIFY2(body.size() >= size / 2, qPrintable(u"%1 px: %2 body pixels"_qs.arg(size).arg(body.size())));
            const qsizetype matching =
                std::ranges::count_if(body, [&](const QColor &color) { return tintOf(color) == expected; });
            QVERIFY2(matching * 2 > body.size(), qPrintable(u"%1 px: %2 of %3"_qs.arg(size).arg(matching).arg(body.size())));
        }
    }

    // At 16 px (GNOME's top bar) the percent sign is a smudge beside digits
    // half the size they could be: the figure is drawn alone there.
    void aSmallIconDrawsTheFigureAlone()
    {
        using enum TrayUsage::Severity;
        QCOMPARE(TrayIconRenderer::render(warning, u"42%"_qs, 16), TrayIconRenderer::render(warning, u"42"_qs, 16));
        QCOMPARE(TrayIconRenderer::render(warning, u"42%"_qs, 24), TrayIconRenderer::render(warning, u"42"_qs, 24));
        QCOMPARE(TrayIconRenderer::render(normal, u"—%"_qs, 22), TrayIconRenderer::render(normal, u"—"_qs, 22));
        QVERIFY(TrayIconRenderer::render(warning, u"42%"_qs, 32) != TrayIconRenderer::render(warning, u"42"_qs, 32));
        QVERIFY(TrayIconRenderer::render(warning, u"42%"_qs, 16, 2.0) != TrayIconRenderer::render(warning, u"42"_qs, 16, 2.0));
    }
};

QTEST_MAIN(TrayIconTest)
#include "tst_trayicon.moc"
