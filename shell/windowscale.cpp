#include "windowscale.h"

#include <algorithm>

#include "calculatordesign.h"
#include "designscale.h"
#include "fancounterdesign.h"

double designScaleFor(const QFont& font)
{
    return std::max(scaleToFit(calculatorCaptions, font), scaleToFit(fanCounterCaptions, font));
}
