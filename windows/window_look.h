#pragma once
// Geometry and looks shared by the game's windows: layouts are kept in twips,
// 15 to the pixel, so they read like the window designs they come from.

#include <QColor>
#include <QRect>
#include <QString>

class QFont;
class QPushButton;
class QWidget;

namespace kestrova {

constexpr int kTwipsPerPixel = 15;

constexpr QRect TwipRect(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

inline const QColor kWindowGreen{0, 192, 0};
inline const QString kLegacyGothic = QStringLiteral("ＭＳ Ｐゴシック");

// A fixed-size window with the given client area, without a maximise button.
void MakeFixedWindow(QWidget& window, const QString& caption, QSize clientSize);

// The green back colour of the main, race, result and pedigree windows.
void PaintBackground(QWidget& widget, const QColor& colour);

void MakeWhiteButton(QPushButton& button);

QFont LegacyGothic(double pointSize, bool bold = false);

}  // namespace kestrova
