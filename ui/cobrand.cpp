#include "ui/cobrand.h"

#include <cmath>

std::int16_t coBrandNumber(float r) {
    const float x = 6.0f * r + 1.0f;
    const float whole = std::floor(x);
    const float fraction = x - whole;
    auto number = static_cast<std::int16_t>(whole);
    if (fraction > 0.5f || (fraction == 0.5f && number % 2 != 0))
        ++number;
    return number;
}

CoBrandFront coBrandFrontFor(std::int16_t number) {
    switch (number) {
    case 1:
    case 3:
    case 5:
        return CoBrandFront::CoBrand;
    case 2:
    case 4:
    case 6:
        return CoBrandFront::FullBrand;
    default:
        return CoBrandFront::Unchanged;
    }
}
