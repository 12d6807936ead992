#pragma once
// The draw that decides which of the main window's two overlapping adverts lies in front.

#include <cstdint>

enum class CoBrandFront { CoBrand, FullBrand, Unchanged };

// 6 × r + 1 in single precision, rounded to the nearest whole number, halves to the even one.
std::int16_t coBrandNumber(float r);
// 1, 3, 5: the co-branding advert; 2, 4, 6: the full-branding advert; anything else: no change.
CoBrandFront coBrandFrontFor(std::int16_t number);
