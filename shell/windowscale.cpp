#include "windowscale.h"

#include <algorithm>
#include <array>

#include "calculatordesign.h"
#include "designscale.h"
#include "fancounterdesign.h"

namespace {

constexpr auto workingCaptions = [] {
    std::array<DesignedCaption, calculatorCaptions.size() + fanCounterCaptions.size()> all{};
    std::copy(calculatorCaptions.begin(), calculatorCaptions.end(), all.begin());
    std::copy(fanCounterCaptions.begin(), fanCounterCaptions.end(),
              all.begin() + calculatorCaptions.size());
    return all;
}();

} // namespace

double designScaleFor(const QFont& font)
{
    return scaleToFit(workingCaptions, font);
}
