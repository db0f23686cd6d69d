#pragma once

#include <QProxyStyle>

// The application's style with check box and radio button indicators whose edge stands
// out from the window (at least 3 : 1) in light and dark palettes alike: the usual
// styles draw an unchecked indicator a shade off its background, which a dark theme
// makes nearly invisible.
class IndicatorStyle : public QProxyStyle {
    Q_OBJECT

  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

    // The edge colour for this palette: halfway from the window to its text.
    static QColor edgeColor(const QPalette &palette);
};

// Puts IndicatorStyle over the application's style, once.
void useIndicatorStyle();
