#pragma once

#include <QRect>
#include <Qt>

class QWidget;

// The windows are designed in twips. 15 twips make one pixel at 96 dpi, times the design
// scale, which start-up sets once from the system font so that every caption fits
// (designscale.h); Qt's own high-DPI scaling takes it from there.
double designScale();
// Before any window exists; a scale below 1 is taken as 1.
void setDesignScale(double scale);

// round(twips × scale / 15). Every figure of the design is a multiple of 15 twips, so at a
// scale of 1 each control stands on exactly the pixel of twips / 15.
int twipsToPixels(int twips);

// A control's place and size, designed in twips.
QRect twipsRect(int left, int top, int width, int height);

// Places a control at its designed rectangle and keeps the rectangle with it, so that
// rescaleDesigned places it again when the scale changes.
void placeInTwips(QWidget* control, const QRect& twips);
// A rule, one pixel thick at every scale, `length` twips long from (left, top), its end pixel
// included.
void placeRule(QWidget* rule, int left, int top, int length, Qt::Orientation orientation);
// Places every control under `parent` placed with the two functions above again, at the
// design scale in force now.
void rescaleDesigned(QWidget* parent);
