#pragma once
// Placing controls by the twips of the screen designs (15 twips per pixel) and centring.

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace zolt {

constexpr int kTwipsPerPixel = 15;

constexpr int Px(double twips) { return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5)); }
constexpr double Twips(int pixels) { return static_cast<double>(pixels) * kTwipsPerPixel; }

// Moves and sizes a child by its twips (left, top, width, height relative to its parent).
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);
// Sets a window's client area in twips.
void SetClientTwips(QWidget* window, int width, int height);
// left = desktop width / 2 - window width / 2, top likewise (outer window size).
void CenterOnDesktop(QWidget* window);

// The objectName of a control-array element: "Bezeichnung6(12)".
QString ArrayName(const QString& name, int index);

}  // namespace zolt

namespace zolt {
// The screens name the fonts of their designs ("MS Sans Serif", "Arial", "Times New Roman",
// "Courier New"); map them to fonts a Linux desktop has. Called once at start-up.
void InstallFontSubstitutes();
// "MS Sans Serif" 8 pt, the font of every control unless a screen names another.
QFont DialogFont();
}  // namespace zolt
