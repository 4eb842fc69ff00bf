#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>

namespace pacewise {

// The few colours the windows add to the palette (warning, critical, success,
// secondary text, a bar's track), derived from the palette in use so that
// they keep their meaning and stay readable on light, dark and high-contrast
// desktops alike: text at 4.5:1 against the window and bars at 3:1, as WCAG
// asks. Each colour keeps its hue and moves only in lightness until it
// reads. QML reaches it as the singleton Colors.
class ReadableColors : public QObject {
    Q_OBJECT
    Q_PROPERTY(QColor warning READ warning NOTIFY changed)
    Q_PROPERTY(QColor critical READ critical NOTIFY changed)
    Q_PROPERTY(QColor success READ success NOTIFY changed)
    Q_PROPERTY(QColor secondaryText READ secondaryText NOTIFY changed)
    Q_PROPERTY(QColor track READ track NOTIFY changed)
    Q_PROPERTY(QColor accent READ accent NOTIFY changed)
public:
    static constexpr double textContrast = 4.5;
    static constexpr double graphicsContrast = 3.0;

    explicit ReadableColors(QObject *parent = nullptr);

    // Makes Colors known to QML; safe to call more than once.
    static void registerWithQml();

    // The contrast ratio of two colours, from 1 to 21; a translucent first
    // colour is judged as drawn over the second.
    static double contrast(const QColor &first, const QColor &second);
    // The opaque colour closest in lightness to wanted as drawn over
    // background, of the same hue, that stands out from it by at least
    // minimumContrast.
    static QColor readableOn(const QColor &wanted, const QColor &background, double minimumContrast);

    static QColor warning(const QPalette &palette);
    static QColor critical(const QPalette &palette);
    static QColor success(const QPalette &palette);
    static QColor secondaryText(const QPalette &palette);
    static QColor track(const QPalette &palette);
    static QColor accent(const QPalette &palette);

    QColor warning() const { return warning(m_palette); }
    QColor critical() const { return critical(m_palette); }
    QColor success() const { return success(m_palette); }
    QColor secondaryText() const { return secondaryText(m_palette); }
    QColor track() const { return track(m_palette); }
    QColor accent() const { return accent(m_palette); }

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPalette m_palette;
};

} // namespace pacewise
