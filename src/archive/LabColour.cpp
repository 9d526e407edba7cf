#include "archive/LabColour.h"

#include <array>
#include <cmath>

namespace tarnix
{

namespace
{

double Linear(double v)
{
    v /= 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// The sRGB transfer curve of the 256 levels, computed once: it is the costly half of a conversion.
const std::array<double, 256>& LinearLevels()
{
    static const std::array<double, 256> levels = []
    {
        std::array<double, 256> t{};
        for (int v = 0; v < 256; ++v)
        {
            t[v] = Linear(v);
        }
        return t;
    }();
    return levels;
}

Lab FromLinear(double r, double g, double b)
{
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
    return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

} // namespace

Lab ToLab(std::uint32_t rgb)
{
    const auto& levels = LinearLevels();
    return FromLinear(levels[rgb >> 16 & 0xFF], levels[rgb >> 8 & 0xFF], levels[rgb & 0xFF]);
}

Lab ToLab(double red, double green, double blue)
{
    return FromLinear(Linear(red), Linear(green), Linear(blue));
}

double LabDistance(const Lab& p, const Lab& q)
{
    return std::sqrt(LabDistanceSquared(p, q));
}

} // namespace tarnix
