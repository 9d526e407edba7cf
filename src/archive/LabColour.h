#pragma once

// CIE L*a*b* (D65) of 0xRRGGBB colours: the space every nearest-colour decision is measured in, so that
// "near" means near to the eye rather than near in numbers.

#include <cstdint>

namespace tarnix
{

struct Lab
{
    double l = 0;
    double a = 0;
    double b = 0;
};

Lab ToLab(std::uint32_t rgb);

// The same for a colour between whole levels (a blend of two colours), each channel 0-255.
Lab ToLab(double red, double green, double blue);

// CIE76: the Euclidean distance, and its square for comparisons that need no root.
double LabDistance(const Lab& p, const Lab& q);
inline double LabDistanceSquared(const Lab& p, const Lab& q)
{
    return (p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b);
}

} // namespace tarnix
