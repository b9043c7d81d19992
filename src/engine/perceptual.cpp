#include "engine/perceptual.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessaro {

namespace {

using Matrix = double[3][3];

// The matrices of CSS Color 4's sample code.
constexpr Matrix kLinearSrgbToXyz = {
    {0.41239079926595934, 0.357584339383878, 0.1804807884018343},
    {0.21263900587151027, 0.715168678767756, 0.07219231536073371},
    {0.01933081871559182, 0.11919477979462598, 0.9505321522496607},
};
constexpr Matrix kXyzToLinearSrgb = {
    {3.2409699419045226, -1.537383177570094, -0.4986107602930034},
    {-0.9692436362808796, 1.8759675015077202, 0.04155505740717559},
    {0.05563007969699366, -0.20397695888897652, 1.0569715142428786},
};
constexpr Matrix kLinearP3ToXyz = {
    {0.4865709486482162, 0.26566769316909306, 0.1982172852343625},
    {0.2289745640697488, 0.6917385218365064, 0.079286914093745},
    {0.0, 0.04511338185890264, 1.043944368900976},
};
constexpr Matrix kXyzToLinearP3 = {
    {2.493496911941425, -0.9313836179191239, -0.40271078445071684},
    {-0.8294889695615747, 1.7626640603183463, 0.023624685841943577},
    {0.03584583024378447, -0.07617238926804182, 0.9568845240076872},
};
constexpr Matrix kLinearA98ToXyz = {
    {0.5766690429101305, 0.1855582379065463, 0.1882286462349947},
    {0.29734497525053605, 0.6273635662554661, 0.07529145849399788},
    {0.02703136138641234, 0.07068885253582723, 0.9913375368376388},
};
constexpr Matrix kXyzToLinearA98 = {
    {2.0415879038107465, -0.5650069742788596, -0.34473135077832956},
    {-0.9692436362808795, 1.8759675015077202, 0.04155505740717557},
    {0.013444280632031142, -0.11836239223101838, 1.0151749943912054},
};
constexpr Matrix kLinearProPhotoToXyzD50 = {
    {0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
    {0.0, 0.0, 0.82510460251046020},
};
constexpr Matrix kXyzD50ToLinearProPhoto = {
    {1.34578688164715830, -0.25557208737979464, -0.05110186497554526},
    {-0.54463070512490190, 1.50824774284514680, 0.02052744743642139},
    {0.0, 0.0, 1.21196754563894520},
};
constexpr Matrix kLinearRec2020ToXyz = {
    {0.6369580483012914, 0.14461690358620832, 0.1688809751641721},
    {0.2627002120112671, 0.6779980715188708, 0.05930171646986196},
    {0.0, 0.028072693049087428, 1.060985057710791},
};
constexpr Matrix kXyzToLinearRec2020 = {
    {1.716651187971268, -0.355670783776392, -0.253366281373660},
    {-0.666684351832489, 1.616481236634939, 0.0157685458139111},
    {0.017639857445311, -0.042770613257809, 0.942103121235474},
};
// Bradford chromatic adaptation.
constexpr Matrix kD65ToD50 = {
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
};
constexpr Matrix kD50ToD65 = {
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
};
constexpr Matrix kXyzToLms = {
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
};
constexpr Matrix kLmsToXyz = {
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
};
constexpr Matrix kLmsToOkLab = {
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
};
constexpr Matrix kOkLabToLms = {
    {1.0, 0.3963377773761749, 0.2158037573099136},
    {1.0, -0.1055613458156586, -0.0638541728258133},
    {1.0, -0.0894841775298119, -1.2914855480194092},
};

// Reference whites from their chromaticities, Y = 1.
constexpr double kD50[3] = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

struct Vec3 {
    double v[3];
};

Vec3 Multiply(const Matrix& m, double a, double b, double c)
{
    Vec3 r{};
    for (int i = 0; i < 3; ++i)
        r.v[i] = m[i][0] * a + m[i][1] * b + m[i][2] * c;
    return r;
}

// The transfer curves, each odd-symmetric around zero.
double SignedPower(double value, double exponent)
{
    return std::copysign(std::pow(std::abs(value), exponent), value);
}

double ProPhotoToLinear(double value)
{
    const double magnitude = std::abs(value);
    return magnitude < 16.0 / 512 ? value / 16 : std::copysign(std::pow(magnitude, 1.8), value);
}

double LinearToProPhoto(double value)
{
    const double magnitude = std::abs(value);
    return magnitude >= 1.0 / 512 ? std::copysign(std::pow(magnitude, 1 / 1.8), value) : value * 16;
}

double ToLinear(RgbSpace space, double value)
{
    switch (space) {
    case RgbSpace::Srgb:
    case RgbSpace::DisplayP3: return SrgbChannelToLinear(value);
    case RgbSpace::SrgbLinear: return value;
    case RgbSpace::A98Rgb: return SignedPower(value, 563.0 / 256);
    case RgbSpace::ProPhotoRgb: return ProPhotoToLinear(value);
    case RgbSpace::Rec2020: return SignedPower(value, 2.4);
    }
    return value;
}

double FromLinear(RgbSpace space, double value)
{
    switch (space) {
    case RgbSpace::Srgb:
    case RgbSpace::DisplayP3: return LinearChannelToSrgb(value);
    case RgbSpace::SrgbLinear: return value;
    case RgbSpace::A98Rgb: return SignedPower(value, 256.0 / 563);
    case RgbSpace::ProPhotoRgb: return LinearToProPhoto(value);
    case RgbSpace::Rec2020: return SignedPower(value, 1 / 2.4);
    }
    return value;
}

const Matrix& ToXyzMatrix(RgbSpace space)
{
    switch (space) {
    case RgbSpace::Srgb:
    case RgbSpace::SrgbLinear: return kLinearSrgbToXyz;
    case RgbSpace::DisplayP3: return kLinearP3ToXyz;
    case RgbSpace::A98Rgb: return kLinearA98ToXyz;
    case RgbSpace::ProPhotoRgb: return kLinearProPhotoToXyzD50;
    case RgbSpace::Rec2020: return kLinearRec2020ToXyz;
    }
    return kLinearSrgbToXyz;
}

const Matrix& FromXyzMatrix(RgbSpace space)
{
    switch (space) {
    case RgbSpace::Srgb:
    case RgbSpace::SrgbLinear: return kXyzToLinearSrgb;
    case RgbSpace::DisplayP3: return kXyzToLinearP3;
    case RgbSpace::A98Rgb: return kXyzToLinearA98;
    case RgbSpace::ProPhotoRgb: return kXyzD50ToLinearProPhoto;
    case RgbSpace::Rec2020: return kXyzToLinearRec2020;
    }
    return kXyzToLinearSrgb;
}

Xyz ToXyz(const Vec3& v) { return {v.v[0], v.v[1], v.v[2]}; }

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

// atan2 in degrees, 0..360.
double HueDegrees(double b, double a)
{
    const double hue = std::atan2(b, a) * kDegreesPerRadian;
    return hue < 0 ? hue + 360 : hue;
}

} // namespace

double SrgbChannelToLinear(double value)
{
    const double magnitude = std::abs(value);
    if (magnitude <= 0.04045)
        return value / 12.92;
    return std::copysign(std::pow((magnitude + 0.055) / 1.055, 2.4), value);
}

double LinearChannelToSrgb(double value)
{
    const double magnitude = std::abs(value);
    if (magnitude <= 0.0031308)
        return value * 12.92;
    return std::copysign(1.055 * std::pow(magnitude, 1 / 2.4) - 0.055, value);
}

Rgb01 ColorToRgb01(TColor color)
{
    return {RedOf(color) / 255.0, GreenOf(color) / 255.0, BlueOf(color) / 255.0};
}

TColor Rgb01ToColor(Rgb01 rgb)
{
    const auto byte = [](double value) {
        if (!(value > 0)) return std::uint8_t(0);  // NaN too
        if (value >= 1) return std::uint8_t(255);
        return std::uint8_t(std::lround(value * 255));
    };
    return MakeColor(byte(rgb.r), byte(rgb.g), byte(rgb.b));
}

bool InUnitRange(Rgb01 rgb, double tolerance)
{
    const auto inside = [tolerance](double v) { return v >= -tolerance && v <= 1 + tolerance; };
    return inside(rgb.r) && inside(rgb.g) && inside(rgb.b);
}

bool IsD50Space(RgbSpace space) { return space == RgbSpace::ProPhotoRgb; }

Xyz RgbToXyz(RgbSpace space, Rgb01 rgb)
{
    return ToXyz(Multiply(ToXyzMatrix(space), ToLinear(space, rgb.r), ToLinear(space, rgb.g), ToLinear(space, rgb.b)));
}

Rgb01 XyzToRgb(RgbSpace space, Xyz xyz)
{
    const Vec3 linear = Multiply(FromXyzMatrix(space), xyz.x, xyz.y, xyz.z);
    return {FromLinear(space, linear.v[0]), FromLinear(space, linear.v[1]), FromLinear(space, linear.v[2])};
}

Xyz D65ToD50(Xyz xyz) { return ToXyz(Multiply(kD65ToD50, xyz.x, xyz.y, xyz.z)); }
Xyz D50ToD65(Xyz xyz) { return ToXyz(Multiply(kD50ToD65, xyz.x, xyz.y, xyz.z)); }

OkLab XyzD65ToOkLab(Xyz xyz)
{
    const Vec3 lms = Multiply(kXyzToLms, xyz.x, xyz.y, xyz.z);
    const Vec3 lab = Multiply(kLmsToOkLab, std::cbrt(lms.v[0]), std::cbrt(lms.v[1]), std::cbrt(lms.v[2]));
    return {lab.v[0], lab.v[1], lab.v[2]};
}

Xyz OkLabToXyzD65(OkLab lab)
{
    const Vec3 lms = Multiply(kOkLabToLms, lab.l, lab.a, lab.b);
    const auto cube = [](double v) { return v * v * v; };
    return ToXyz(Multiply(kLmsToXyz, cube(lms.v[0]), cube(lms.v[1]), cube(lms.v[2])));
}

namespace {
constexpr double kLabEpsilon = 216.0 / 24389;  // 6^3 / 29^3
constexpr double kLabKappa = 24389.0 / 27;     // 29^3 / 3^3
} // namespace

CieLab XyzD50ToLab(Xyz xyz)
{
    const double relative[3] = {xyz.x / kD50[0], xyz.y / kD50[1], xyz.z / kD50[2]};
    double f[3];
    for (int i = 0; i < 3; ++i)
        f[i] = relative[i] > kLabEpsilon ? std::cbrt(relative[i]) : (kLabKappa * relative[i] + 16) / 116;
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Xyz LabToXyzD50(CieLab lab)
{
    const double f1 = (lab.l + 16) / 116;
    const double f0 = lab.a / 500 + f1;
    const double f2 = f1 - lab.b / 200;
    const auto cube = [](double v) { return v * v * v; };
    const double x = cube(f0) > kLabEpsilon ? cube(f0) : (116 * f0 - 16) / kLabKappa;
    const double y = lab.l > kLabKappa * kLabEpsilon ? cube(f1) : lab.l / kLabKappa;
    const double z = cube(f2) > kLabEpsilon ? cube(f2) : (116 * f2 - 16) / kLabKappa;
    return {x * kD50[0], y * kD50[1], z * kD50[2]};
}

OkLch OkLabToOkLch(OkLab lab)
{
    const double chroma = std::hypot(lab.a, lab.b);
    return {lab.l, chroma, chroma == 0 ? 0 : HueDegrees(lab.b, lab.a)};
}

OkLab OkLchToOkLab(OkLch lch)
{
    const double radians = lch.h / kDegreesPerRadian;
    const double chroma = std::max(lch.c, 0.0);
    return {lch.l, chroma * std::cos(radians), chroma * std::sin(radians)};
}

CieLch LabToLch(CieLab lab)
{
    const double chroma = std::hypot(lab.a, lab.b);
    return {lab.l, chroma, chroma == 0 ? 0 : HueDegrees(lab.b, lab.a)};
}

CieLab LchToLab(CieLch lch)
{
    const double radians = lch.h / kDegreesPerRadian;
    const double chroma = std::max(lch.c, 0.0);
    return {lch.l, chroma * std::cos(radians), chroma * std::sin(radians)};
}

OkLab SrgbToOkLab(Rgb01 rgb) { return XyzD65ToOkLab(RgbToXyz(RgbSpace::Srgb, rgb)); }
Rgb01 OkLabToSrgb(OkLab lab) { return XyzToRgb(RgbSpace::Srgb, OkLabToXyzD65(lab)); }
OkLab ColorToOkLab(TColor color) { return SrgbToOkLab(ColorToRgb01(color)); }
OkLch ColorToOkLch(TColor color) { return OkLabToOkLch(ColorToOkLab(color)); }
CieLab ColorToLab(TColor color) { return XyzD50ToLab(D65ToD50(RgbToXyz(RgbSpace::Srgb, ColorToRgb01(color)))); }
CieLch ColorToLch(TColor color) { return LabToLch(ColorToLab(color)); }
Rgb01 ColorToDisplayP3(TColor color)
{
    return XyzToRgb(RgbSpace::DisplayP3, RgbToXyz(RgbSpace::Srgb, ColorToRgb01(color)));
}

double DeltaEOk(OkLab a, OkLab b) { return std::sqrt(std::pow(a.l - b.l, 2) + std::pow(a.a - b.a, 2) + std::pow(a.b - b.b, 2)); }

double DeltaE2000(CieLab lab1, CieLab lab2)
{
    // Sharma, Wu and Dalal's formulation, with the hue-angle conventions of
    // their test data.
    constexpr double kPow25To7 = 6103515625.0;  // 25^7
    const double c1 = std::hypot(lab1.a, lab1.b);
    const double c2 = std::hypot(lab2.a, lab2.b);
    const double meanC = (c1 + c2) / 2;
    const double meanC7 = std::pow(meanC, 7);
    const double g = 0.5 * (1 - std::sqrt(meanC7 / (meanC7 + kPow25To7)));
    const double a1 = (1 + g) * lab1.a;
    const double a2 = (1 + g) * lab2.a;
    const double cp1 = std::hypot(a1, lab1.b);
    const double cp2 = std::hypot(a2, lab2.b);
    const double hp1 = (a1 == 0 && lab1.b == 0) ? 0 : HueDegrees(lab1.b, a1);
    const double hp2 = (a2 == 0 && lab2.b == 0) ? 0 : HueDegrees(lab2.b, a2);

    const double deltaL = lab2.l - lab1.l;
    const double deltaC = cp2 - cp1;
    double deltaHue = 0;
    if (cp1 * cp2 != 0) {
        deltaHue = hp2 - hp1;
        if (deltaHue > 180) deltaHue -= 360;
        else if (deltaHue < -180) deltaHue += 360;
    }
    const double deltaH = 2 * std::sqrt(cp1 * cp2) * std::sin(deltaHue / 2 / kDegreesPerRadian);

    const double meanL = (lab1.l + lab2.l) / 2;
    const double meanCp = (cp1 + cp2) / 2;
    double meanHp = hp1 + hp2;
    if (cp1 * cp2 != 0) {
        if (std::abs(hp1 - hp2) > 180)
            meanHp += meanHp < 360 ? 360 : -360;
        meanHp /= 2;
    }
    const auto rad = [](double degrees) { return degrees / kDegreesPerRadian; };
    const double t = 1 - 0.17 * std::cos(rad(meanHp - 30)) + 0.24 * std::cos(rad(2 * meanHp)) +
                     0.32 * std::cos(rad(3 * meanHp + 6)) - 0.20 * std::cos(rad(4 * meanHp - 63));
    const double deltaTheta = 30 * std::exp(-std::pow((meanHp - 275) / 25, 2));
    const double meanCp7 = std::pow(meanCp, 7);
    const double rc = 2 * std::sqrt(meanCp7 / (meanCp7 + kPow25To7));
    const double meanL50 = std::pow(meanL - 50, 2);
    const double sl = 1 + 0.015 * meanL50 / std::sqrt(20 + meanL50);
    const double sc = 1 + 0.045 * meanCp;
    const double sh = 1 + 0.015 * meanCp * t;
    const double rt = -std::sin(rad(2 * deltaTheta)) * rc;
    const double l = deltaL / sl, c = deltaC / sc, h = deltaH / sh;
    return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

} // namespace tessaro
