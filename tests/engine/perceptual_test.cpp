// The perceptual colour spaces, the gamut mapping, deltaE and APCA against
// published reference values.
#include "engine/apca.h"
#include "engine/gamut_map.h"
#include "engine/perceptual.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace tessaro {
namespace {

struct SpaceCase {
    const char* hex;
    TColor color;
    OkLab oklab;
    OkLch oklch;
    CieLab lab;
    CieLch lch;
    Rgb01 p3;
};

// Values from colorjs.io 0.7 (the CSS Color 4 editors' library), to 12
// significant digits; red is CSS Color 4's own example oklch(62.8% 0.2577
// 29.23).
const SpaceCase kSpaceCases[] = {
    {"Red", MakeColor(255, 0, 0), {0.627955363921, 0.224863068426, 0.125846277331},
     {0.627955363921, 0.257683303805, 29.2338802796}, {54.2905414047, 80.8049281704, 69.8909647686},
     {54.2905414047, 106.837181603, 40.8576565050}, {0.917487557325, 0.200286807741, 0.138560591211}},
    {"Lime", MakeColor(0, 255, 0), {0.866439617523, -0.233887580937, 0.179498445161},
     {0.866439617523, 0.294827224543, 142.495345041}, {87.8185343650, -79.2710607756, 80.9945814844},
     {87.8185343650, 113.331475356, 134.383856362}, {0.458401590191, 0.985264583325, 0.298294707833}},
    {"Blue", MakeColor(0, 0, 255), {0.452013718174, -0.0324569751708, -0.311528165678},
     {0.452013718174, 0.313214388634, 264.052022616}, {29.5683019791, 68.2873646025, -112.029709525},
     {29.5683019791, 131.201448089, 301.364267733}, {0, 0, 0.959588026676}},
    {"Green7FD46E", MakeColor(0x7F, 0xD4, 0x6E), {0.792388394640, -0.123517384173, 0.102357153504},
     {0.792388394640, 0.160416741852, 140.351925693}, {77.7953730491, -41.4755494124, 41.7171980616},
     {77.7953730491, 58.8264040476, 134.833574329}, {0.576170778318, 0.823009912395, 0.476882386208}},
    {"Navy123456", MakeColor(0x12, 0x34, 0x56), {0.319168422385, -0.0233873721661, -0.0685761610974},
     {0.319168422385, 0.0724545308983, 251.168452262}, {20.6754694534, -2.27679263052, -24.5931487448},
     {20.6754694534, 24.6983147172, 264.710729058}, {0.106562072275, 0.200947369638, 0.326990816297}},
    {"Grey", MakeColor(128, 128, 128), {0.599870805622, 0, 0}, {0.599870805622, 0, 0},
     {53.5850134522, 0, 0}, {53.5850134522, 0, 0}, {0.501960784314, 0.501960784314, 0.501960784314}},
};

class SpaceTest : public testing::TestWithParam<SpaceCase> {};

TEST_P(SpaceTest, MatchesReferenceBothWays)
{
    const SpaceCase& c = GetParam();
    const OkLab oklab = ColorToOkLab(c.color);
    EXPECT_NEAR(oklab.l, c.oklab.l, 1e-11);
    EXPECT_NEAR(oklab.a, c.oklab.a, 1e-11);
    EXPECT_NEAR(oklab.b, c.oklab.b, 1e-11);
    const OkLch oklch = ColorToOkLch(c.color);
    EXPECT_NEAR(oklch.c, c.oklch.c, 1e-11);
    if (c.oklch.c > 0) EXPECT_NEAR(oklch.h, c.oklch.h, 1e-9);
    const CieLab lab = ColorToLab(c.color);
    EXPECT_NEAR(lab.l, c.lab.l, 1e-9);
    EXPECT_NEAR(lab.a, c.lab.a, 1e-9);
    EXPECT_NEAR(lab.b, c.lab.b, 1e-9);
    const CieLch lch = ColorToLch(c.color);
    EXPECT_NEAR(lch.c, c.lch.c, 1e-9);
    if (c.lch.c > 0) EXPECT_NEAR(lch.h, c.lch.h, 1e-9);
    const Rgb01 p3 = ColorToDisplayP3(c.color);
    EXPECT_NEAR(p3.r, c.p3.r, 1e-11);
    EXPECT_NEAR(p3.g, c.p3.g, 1e-11);
    EXPECT_NEAR(p3.b, c.p3.b, 1e-11);

    // And back to the same bytes from each space.
    EXPECT_EQ(Rgb01ToColor(OkLabToSrgb(OkLchToOkLab(c.oklch))), c.color);
    EXPECT_EQ(Rgb01ToColor(XyzToRgb(RgbSpace::Srgb, D50ToD65(LabToXyzD50(LchToLab(c.lch))))), c.color);
    EXPECT_EQ(Rgb01ToColor(XyzToRgb(RgbSpace::Srgb, RgbToXyz(RgbSpace::DisplayP3, c.p3))), c.color);
}

INSTANTIATE_TEST_SUITE_P(CssColor4, SpaceTest, testing::ValuesIn(kSpaceCases),
                         [](const auto& info) { return std::string(info.param.hex); });

TEST(Perceptual, OkLabOfPublishedXyzSamples)
{
    // Ottosson's table of XYZ (D65) colours and their OKLab values, 3 decimals.
    struct Sample {
        Xyz xyz;
        OkLab lab;
    };
    const Sample samples[] = {
        {{0.950, 1.000, 1.089}, {1.000, 0.000, 0.000}},
        {{1.000, 0.000, 0.000}, {0.450, 1.236, -0.019}},
        {{0.000, 1.000, 0.000}, {0.922, -0.671, 0.263}},
        {{0.000, 0.000, 1.000}, {0.153, -1.415, -0.449}},
    };
    for (const Sample& s : samples) {
        const OkLab lab = XyzD65ToOkLab(s.xyz);
        EXPECT_NEAR(lab.l, s.lab.l, 0.0015);
        EXPECT_NEAR(lab.a, s.lab.a, 0.0015);
        EXPECT_NEAR(lab.b, s.lab.b, 0.0015);
    }
}

TEST(Perceptual, EverySpaceRoundTripsThroughXyz)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(-0.1, 1.1);
    const RgbSpace spaces[] = {RgbSpace::Srgb,   RgbSpace::SrgbLinear,  RgbSpace::DisplayP3,
                               RgbSpace::A98Rgb, RgbSpace::ProPhotoRgb, RgbSpace::Rec2020};
    for (int i = 0; i < 2000; ++i) {
        const Rgb01 rgb{unit(random), unit(random), unit(random)};
        for (RgbSpace space : spaces) {
            const Rgb01 back = XyzToRgb(space, RgbToXyz(space, rgb));
            EXPECT_NEAR(back.r, rgb.r, 1e-9);
            EXPECT_NEAR(back.g, rgb.g, 1e-9);
            EXPECT_NEAR(back.b, rgb.b, 1e-9);
        }
        const Xyz xyz = RgbToXyz(RgbSpace::Srgb, rgb);
        const Xyz viaOk = OkLabToXyzD65(XyzD65ToOkLab(xyz));
        const Xyz viaLab = D50ToD65(LabToXyzD50(XyzD50ToLab(D65ToD50(xyz))));
        for (const Xyz& back : {viaOk, viaLab}) {
            EXPECT_NEAR(back.x, xyz.x, 1e-9);
            EXPECT_NEAR(back.y, xyz.y, 1e-9);
            EXPECT_NEAR(back.z, xyz.z, 1e-9);
        }
    }
}

TEST(Perceptual, WhiteIsTheSameInEverySpace)
{
    const Xyz white = RgbToXyz(RgbSpace::Srgb, {1, 1, 1});
    EXPECT_NEAR(XyzD65ToOkLab(white).l, 1, 1e-7);
    EXPECT_NEAR(ColorToLab(0xFFFFFF).l, 100, 1e-9);
    EXPECT_NEAR(ColorToLab(0xFFFFFF).a, 0, 1e-9);
    for (RgbSpace space : {RgbSpace::DisplayP3, RgbSpace::A98Rgb, RgbSpace::Rec2020}) {
        const Rgb01 rgb = XyzToRgb(space, white);
        EXPECT_NEAR(rgb.r, 1, 1e-9);
        EXPECT_NEAR(rgb.b, 1, 1e-9);
    }
    const Rgb01 prophoto = XyzToRgb(RgbSpace::ProPhotoRgb, D65ToD50(white));
    EXPECT_NEAR(prophoto.g, 1, 1e-6);
}

TEST(DeltaE, Ciede2000OfSharmaWuDalalPairs)
{
    struct Pair {
        CieLab a, b;
        double deltaE;
    };
    // From Sharma, Wu and Dalal's CIEDE2000 test data.
    const Pair pairs[] = {
        {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
        {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
        {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
        {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
        {{50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, 22.8977},
        {{50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, 31.9030},
        {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
        {{50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, 1.0000},
        {{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
    };
    for (const Pair& p : pairs) {
        EXPECT_NEAR(DeltaE2000(p.a, p.b), p.deltaE, 0.00005);
        EXPECT_NEAR(DeltaE2000(p.b, p.a), p.deltaE, 0.00005);
    }
    EXPECT_EQ(DeltaE2000({50, 10, 10}, {50, 10, 10}), 0);
}

TEST(DeltaE, OkIsTheEuclideanDistance)
{
    EXPECT_DOUBLE_EQ(DeltaEOk({0.5, 0.1, 0}, {0.5, 0.1, 0}), 0);
    EXPECT_DOUBLE_EQ(DeltaEOk({0.5, 0, 0}, {0.8, 0.4, 0}), 0.5);
    EXPECT_NEAR(DeltaEOk(ColorToOkLab(0), ColorToOkLab(0xFFFFFF)), 1, 1e-7);
}

TEST(GamutMap, MatchesTheCssReferenceResults)
{
    struct Case {
        OkLch color;
        TColor expected;
    };
    // colorjs.io's toGamut({method: "css", space: "srgb"}), rounded.
    const Case cases[] = {
        {{0.70, 0.30, 30}, MakeColor(0xFF, 0x58, 0x43)},  {{0.90, 0.35, 140}, MakeColor(0x62, 0xFF, 0x30)},
        {{0.40, 0.40, 270}, MakeColor(0x28, 0x00, 0xDD)}, {{0.99, 0.20, 100}, MakeColor(0xFF, 0xFE, 0xA1)},
        {{0.05, 0.10, 200}, MakeColor(0x00, 0x01, 0x01)}, {{1.20, 0.10, 10}, MakeColor(255, 255, 255)},
        {{1.00, 0.30, 10}, MakeColor(255, 255, 255)},     {{-0.1, 0.10, 10}, MakeColor(0, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GamutMapToColor(c.color), c.expected) << c.color.l << ' ' << c.color.c << ' ' << c.color.h;
}

TEST(GamutMap, KeepsColoursInGamutAndStaysNearTheEdge)
{
    std::mt19937 random(11);
    for (int i = 0; i < 3000; ++i) {
        const TColor color = random() & 0xFFFFFF;
        EXPECT_EQ(GamutMapToColor(ColorToOkLch(color)), color);
    }
    // Out of gamut: the result lies within the just-noticeable difference of
    // the colour at its lightness and hue with reduced chroma, no further.
    std::uniform_real_distribution<double> lightness(0.05, 0.95), hue(0, 360);
    for (int i = 0; i < 2000; ++i) {
        const OkLch origin{lightness(random), 0.4, hue(random)};
        const Rgb01 mapped = GamutMapToSrgb(origin);
        EXPECT_TRUE(InUnitRange(mapped));
        const OkLch result = OkLabToOkLch(SrgbToOkLab(mapped));
        EXPECT_NEAR(result.l, origin.l, 0.02);
        EXPECT_LT(result.c, origin.c);
    }
}

TEST(Apca, PublishedPairs)
{
    struct Pair {
        TColor text, background;
        double lc;
    };
    // APCA-W3 0.1.9's published test values.
    const Pair pairs[] = {
        {MakeColor(0x88, 0x88, 0x88), MakeColor(0xFF, 0xFF, 0xFF), 63.056469930209424},
        {MakeColor(0xFF, 0xFF, 0xFF), MakeColor(0x88, 0x88, 0x88), -68.54146436644962},
        {MakeColor(0x00, 0x00, 0x00), MakeColor(0xAA, 0xAA, 0xAA), 58.146262578561334},
        {MakeColor(0xAA, 0xAA, 0xAA), MakeColor(0x00, 0x00, 0x00), -56.24113336839742},
        {MakeColor(0x11, 0x22, 0x33), MakeColor(0xDD, 0xEE, 0xFF), 91.66830811481631},
        {MakeColor(0xDD, 0xEE, 0xFF), MakeColor(0x11, 0x22, 0x33), -93.06770049484275},
        {MakeColor(0x00, 0x00, 0x00), MakeColor(0xFF, 0xFF, 0xFF), 106.04067321268862},
        {MakeColor(0xFF, 0xFF, 0xFF), MakeColor(0x00, 0x00, 0x00), -107.88473318309848},
    };
    for (const Pair& p : pairs)
        EXPECT_NEAR(ApcaContrast(p.text, p.background), p.lc, 1e-9);
    EXPECT_EQ(ApcaContrastText(63.056469930209424), "63.1");
    EXPECT_EQ(ApcaContrastText(-68.54146436644962), "-68.5");
}

TEST(Apca, LowContrastIsZero)
{
    EXPECT_EQ(ApcaContrast(0x777777, 0x777777), 0);
    EXPECT_EQ(ApcaContrast(0x777777, 0x787878), 0);  // below the low clip
    EXPECT_EQ(ApcaContrastText(0), "0.0");
    EXPECT_EQ(ApcaContrastText(-0.01), "0.0");
}

TEST(Apca, LevelReadings)
{
    EXPECT_STREQ(ApcaLevelReading(80), "body text");
    EXPECT_STREQ(ApcaLevelReading(-75), "body text");
    EXPECT_STREQ(ApcaLevelReading(62), "content text");
    EXPECT_STREQ(ApcaLevelReading(45), "large text");
    EXPECT_STREQ(ApcaLevelReading(-31), "non-text");
    EXPECT_STREQ(ApcaLevelReading(29.9), "insufficient");
}

} // namespace
} // namespace tessaro
