#include "color/ColorSpaces.h"

#include "color/StrictFloat.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace huex {

namespace {

using Matrix = std::array<Coords, 3>;

Coords multiply(const Matrix& m, const Coords& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// The matrices as CSS Color 4 prints them, rows by columns.
constexpr Matrix srgbToXyz{{{0.41239079926595934, 0.357584339383878, 0.1804807884018343},
                            {0.21263900587151027, 0.715168678767756, 0.07219231536073371},
                            {0.01933081871559182, 0.11919477979462598, 0.9505321522496607}}};
constexpr Matrix xyzToSrgb{{{3.2409699419045226, -1.537383177570094, -0.4986107602930034},
                            {-0.9692436362808796, 1.8759675015077202, 0.04155505740717559},
                            {0.05563007969699366, -0.20397695888897652, 1.0569715142428786}}};
constexpr Matrix p3ToXyz{{{0.4865709486482162, 0.26566769316909306, 0.1982172852343625},
                          {0.2289745640697488, 0.6917385218365064, 0.079286914093745},
                          {0.0000000000000000, 0.04511338185890264, 1.043944368900976}}};
constexpr Matrix xyzToP3{{{2.493496911941425, -0.9313836179191239, -0.40271078445071684},
                          {-0.8294889695615747, 1.7626640603183463, 0.023624685841943577},
                          {0.03584583024378447, -0.07617238926804182, 0.9568845240076872}}};
constexpr Matrix a98ToXyz{{{0.5766690429101305, 0.1855582379065463, 0.1882286462349947},
                           {0.29734497525053605, 0.6273635662554661, 0.07529145849399788},
                           {0.02703136138641234, 0.07068885253582723, 0.9913375368376388}}};
constexpr Matrix prophotoToXyz{{{0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
                                {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
                                {0.00000000000000000, 0.00000000000000000, 0.82510460251046020}}};
constexpr Matrix rec2020ToXyz{{{0.6369580483012914, 0.14461690358620832, 0.1688809751641721},
                               {0.2627002120112671, 0.6779980715188708, 0.05930171646986196},
                               {0.000000000000000, 0.028072693049087428, 1.060985057710791}}};
constexpr Matrix d65ToD50{{{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                           {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                           {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}};
constexpr Matrix d50ToD65{{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                           {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                           {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
constexpr Matrix xyzToLms{{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                           {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                           {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
constexpr Matrix lmsToXyz{{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                           {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                           {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
constexpr Matrix lmsToOklab{{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                             {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                             {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
constexpr Matrix oklabToLms{{{1.0000000000000000, 0.3963377773761749, 0.2158037573099136},
                             {1.0000000000000000, -0.1055613458156586, -0.0638541728258133},
                             {1.0000000000000000, -0.0894841775298119, -1.2914855480194092}}};

// Linear sRGB straight to LMS and back: the products of the matrices above, computed once.
Matrix product(const Matrix& a, const Matrix& b) {
    Matrix out{};
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            out[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return out;
}
const Matrix srgbToLms = product(xyzToLms, srgbToXyz);
const Matrix lmsToSrgb = product(xyzToSrgb, lmsToXyz);

// The D50 white of CSS Color 4, from its chromaticity.
constexpr Coords d50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
constexpr double labKappa = 24389.0 / 27;
constexpr double labEpsilon = 216.0 / 24389;

double bySign(double v, double (*curve)(double)) {
    return v < 0 ? -curve(-v) : curve(v);
}

double srgbCurveToLinear(double a) {
    return a <= 0.04045 ? a / 12.92 : std::pow((a + 0.055) / 1.055, 2.4);
}

// The cube root by Halley's iteration from a guess made of the bits: a third of the exponent.
// Two steps from a guess within a few per cent leave an error below 1e-14 of the root, a
// millionth of what any text shows, at far less than the library's root costs: it sits on every
// colour a pattern writes in OKLab or OKLCh.
double cubeRoot(double x) {
    const double a = std::fabs(x);
    if (!(a >= 0x1p-1000 && a <= 0x1p1000)) return std::cbrt(x); // zero, tiny, huge or not a number
    double y = std::bit_cast<double>(std::bit_cast<std::uint64_t>(a) / 3 + 0x2A9F7893782DA1CEull);
    for (int step = 0; step < 2; ++step) {
        const double cube = y * y * y;
        y = y * (cube + 2 * a) / (2 * cube + a);
    }
    return std::copysign(y, x);
}

Coords cubeRoots(Coords v) {
    for (double& x : v) x = cubeRoot(x);
    return v;
}

Coords cubes(Coords v) {
    for (double& x : v) x = x * x * x;
    return v;
}

} // namespace

double srgbChannelToLinear(double v) {
    // Picked colours are whole bytes: their 256 values are worked out once, by the same curve.
    struct ByteCurve {
        std::array<double, 256> fraction{}, linear{};
    };
    static const ByteCurve bytes = [] {
        ByteCurve table;
        for (std::size_t k = 0; k < 256; ++k) {
            table.fraction[k] = static_cast<double>(k) / 255;
            table.linear[k] = srgbCurveToLinear(table.fraction[k]);
        }
        return table;
    }();
    const double scaled = v * 255 + 0.5;
    if (scaled >= 0 && scaled < 256) {
        const auto k = static_cast<std::size_t>(scaled);
        if (bytes.fraction[k] == v) return bytes.linear[k];
    }
    return bySign(v, srgbCurveToLinear);
}

double linearChannelToSrgb(double v) {
    return bySign(v,
                  [](double a) { return a > 0.0031308 ? 1.055 * std::pow(a, 1 / 2.4) - 0.055 : 12.92 * a; });
}

Coords srgbToLinear(const RgbColor& c) {
    return {srgbChannelToLinear(c.red), srgbChannelToLinear(c.green), srgbChannelToLinear(c.blue)};
}

RgbColor linearToSrgb(const Coords& c) {
    return {linearChannelToSrgb(c[0]), linearChannelToSrgb(c[1]), linearChannelToSrgb(c[2])};
}

Coords linearSrgbToXyzD65(const Coords& rgb) {
    return multiply(srgbToXyz, rgb);
}
Coords xyzD65ToLinearSrgb(const Coords& xyz) {
    return multiply(xyzToSrgb, xyz);
}
Coords linearP3ToXyzD65(const Coords& rgb) {
    return multiply(p3ToXyz, rgb);
}
Coords xyzD65ToLinearP3(const Coords& xyz) {
    return multiply(xyzToP3, xyz);
}
Coords linearA98ToXyzD65(const Coords& rgb) {
    return multiply(a98ToXyz, rgb);
}
Coords linearProphotoToXyzD50(const Coords& rgb) {
    return multiply(prophotoToXyz, rgb);
}
Coords linearRec2020ToXyzD65(const Coords& rgb) {
    return multiply(rec2020ToXyz, rgb);
}
Coords xyzD65ToD50(const Coords& xyz) {
    return multiply(d65ToD50, xyz);
}
Coords xyzD50ToD65(const Coords& xyz) {
    return multiply(d50ToD65, xyz);
}

Coords xyzD50ToLab(const Coords& xyz) {
    Coords f{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double v = xyz[i] / d50White[i];
        f[i] = v > labEpsilon ? std::cbrt(v) : (labKappa * v + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Coords labToXyzD50(const Coords& lab) {
    const double f1 = (lab[0] + 16) / 116;
    const double f0 = lab[1] / 500 + f1;
    const double f2 = f1 - lab[2] / 200;
    const double c0 = f0 * f0 * f0, c2 = f2 * f2 * f2;
    const Coords xyz{c0 > labEpsilon ? c0 : (116 * f0 - 16) / labKappa,
                     lab[0] > labKappa * labEpsilon ? f1 * f1 * f1 : lab[0] / labKappa,
                     c2 > labEpsilon ? c2 : (116 * f2 - 16) / labKappa};
    return {xyz[0] * d50White[0], xyz[1] * d50White[1], xyz[2] * d50White[2]};
}

Coords xyzD65ToOklab(const Coords& xyz) {
    return multiply(lmsToOklab, cubeRoots(multiply(xyzToLms, xyz)));
}

Coords oklabToXyzD65(const Coords& oklab) {
    return multiply(lmsToXyz, cubes(multiply(oklabToLms, oklab)));
}

Coords linearSrgbToOklab(const Coords& rgb) {
    return multiply(lmsToOklab, cubeRoots(multiply(srgbToLms, rgb)));
}

Coords oklabToLinearSrgb(const Coords& oklab) {
    return multiply(lmsToSrgb, cubes(multiply(oklabToLms, oklab)));
}

Coords toPolar(const Coords& lab, double achromatic) {
    const double chroma = std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]);
    if (chroma < achromatic) return {lab[0], chroma, 0};
    double hue = std::atan2(lab[2], lab[1]) * (180 / std::numbers::pi);
    if (hue < 0) hue += 360;
    if (hue >= 360) hue -= 360;
    return {lab[0], chroma, hue};
}

Coords fromPolar(const Coords& lch) {
    const double chroma = lch[1] < 0 ? 0 : lch[1];
    const double radians = lch[2] * std::numbers::pi / 180;
    return {lch[0], chroma * std::cos(radians), chroma * std::sin(radians)};
}

double a98ChannelToLinear(double v) {
    return bySign(v, [](double a) { return std::pow(a, 563.0 / 256); });
}

double prophotoChannelToLinear(double v) {
    return bySign(v, [](double a) { return a < 16.0 / 512 ? a / 16 : std::pow(a, 1.8); });
}

double rec2020ChannelToLinear(double v) {
    return bySign(v, [](double a) { return std::pow(a, 2.4); });
}

bool inSrgbGamut(const RgbColor& c) {
    return c.red >= 0 && c.red <= 1 && c.green >= 0 && c.green <= 1 && c.blue >= 0 && c.blue <= 1;
}

} // namespace huex
