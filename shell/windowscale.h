#pragma once

class QFont;

// The design scale for an application font: the smallest, at least 1, at which every caption
// of the calculator and the fan counter fits its control. Start-up sets it once, before any
// window exists, and every window is drawn at it.
double designScaleFor(const QFont& font);
