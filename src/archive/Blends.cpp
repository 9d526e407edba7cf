#include "archive/Blends.h"

#include <algorithm>
#include <array>

namespace tarnix
{

namespace
{

using Rgb = std::array<double, 3>;

Rgb Channels(std::uint32_t c)
{
    return {double(c >> 16 & 0xFF), double(c >> 8 & 0xFF), double(c & 0xFF)};
}

double Dot(const Rgb& p, const Rgb& q)
{
    return p[0] * q[0] + p[1] * q[1] + p[2] * q[2];
}

Rgb Minus(const Rgb& p, const Rgb& q)
{
    return {p[0] - q[0], p[1] - q[1], p[2] - q[2]};
}

} // namespace

Blend NearestEdge(std::uint32_t colour, const Lab& lab, const std::uint32_t* colours, std::size_t count)
{
    const Rgb c = Channels(colour);
    // The nearest in RGB is chosen first and measured in Lab once: a Lab conversion costs more than all the
    // RGB tests of a neighbourhood together.
    double bestOff = 1e300;
    Rgb bestMix{};
    Blend best;
    for (std::size_t p = 0; p < count; ++p)
    {
        const Rgb a = Channels(colours[p]);
        for (std::size_t q = p + 1; q < count; ++q)
        {
            const Rgb d = Minus(Channels(colours[q]), a);
            const double length = Dot(d, d);
            if (length == 0)
            {
                continue;
            }
            const double t = std::clamp(Dot(Minus(c, a), d) / length, 0.0, 1.0);
            const Rgb mix = {a[0] + t * d[0], a[1] + t * d[1], a[2] + t * d[2]};
            const Rgb error = Minus(mix, c);
            const double off = Dot(error, error);
            if (off < bestOff)
            {
                bestOff = off;
                bestMix = mix;
                best.side = int(t <= 0.5 ? p : q);
            }
        }
    }
    if (best.side >= 0)
    {
        best.distance = LabDistance(lab, ToLab(bestMix[0], bestMix[1], bestMix[2]));
    }
    return best;
}

Blend NearestCorner(std::uint32_t colour, const Lab& lab, const std::uint32_t* colours, std::size_t count)
{
    const Rgb c = Channels(colour);
    double bestOff = 1e300;
    Rgb bestMix{};
    Blend best;
    for (std::size_t p = 0; p < count; ++p)
    {
        const Rgb a = Channels(colours[p]);
        const Rgb w = Minus(c, a);
        for (std::size_t q = p + 1; q + 1 < count; ++q) // a third colour follows each second
        {
            const Rgb u = Minus(Channels(colours[q]), a);
            for (std::size_t r = q + 1; r < count; ++r)
            {
                const Rgb v = Minus(Channels(colours[r]), a);
                // Least squares for c = a + s u + t v.
                const double uu = Dot(u, u), uv = Dot(u, v), vv = Dot(v, v);
                const double det = uu * vv - uv * uv;
                if (det <= 1e-9)
                {
                    continue;
                }
                const double s = (Dot(u, w) * vv - Dot(v, w) * uv) / det;
                const double t = (Dot(v, w) * uu - Dot(u, w) * uv) / det;
                if (s <= 0 || t <= 0 || s + t >= 1)
                {
                    continue;
                }
                const Rgb mix = {a[0] + s * u[0] + t * v[0], a[1] + s * u[1] + t * v[1],
                                 a[2] + s * u[2] + t * v[2]};
                const Rgb error = Minus(mix, c);
                const double off = Dot(error, error);
                if (off < bestOff)
                {
                    const double shares[] = {1 - s - t, s, t};
                    const std::size_t sides[] = {p, q, r};
                    bestOff = off;
                    bestMix = mix;
                    best.side = int(sides[std::max_element(shares, shares + 3) - shares]);
                }
            }
        }
    }
    if (best.side >= 0)
    {
        best.distance = LabDistance(lab, ToLab(bestMix[0], bestMix[1], bestMix[2]));
    }
    return best;
}

} // namespace tarnix
