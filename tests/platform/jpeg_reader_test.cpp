// The libjpeg reader: colours, channel order and orientation for every
// colour kind, and damaged files that must fail cleanly.
#include "jpeg_encoder.h"
#include "platform/jpeg_reader.h"
#include "platform/platform.h"

#include "named_case.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

namespace tessaro::platform {
namespace {

using test::PrintTo;

using test::EncodeJpeg;
using test::JpegKind;

// Solid colour blocks keep their colour through JPEG within a few steps;
// CMYK adds the rounding of the ink conversion.
constexpr int kTolerance = 6;

// 32 x 16: the left 16 columns one colour, the right 16 another. Blocks of
// 16 x 16 match the 4:2:0 colour blocks, so the halves do not bleed.
QImage TwoHalves(QRgb left, QRgb right)
{
    QImage image(32, 16, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, x < 16 ? left : right);
    return image;
}

::testing::AssertionResult NearColor(QRgb actual, QRgb expected)
{
    const int worst = std::max({std::abs(qRed(actual) - qRed(expected)), std::abs(qGreen(actual) - qGreen(expected)),
                                std::abs(qBlue(actual) - qBlue(expected))});
    if (worst <= kTolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "read " << QColor(actual).name().toStdString() << ", expected "
                                         << QColor(expected).name().toStdString();
}

struct KindCase {
    const char* name;
    JpegKind kind;
    QRgb left;
    QRgb right;
};

class JpegKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(JpegKindTest, DecodesColoursInPlace)
{
    const KindCase& c = GetParam();
    const QImage image = ReadJpeg(EncodeJpeg(TwoHalves(c.left, c.right), c.kind));
    ASSERT_EQ(image.size(), QSize(32, 16));
    for (int y : {1, 8, 14}) {
        EXPECT_TRUE(NearColor(image.pixel(4, y), c.left)) << "left, row " << y;
        EXPECT_TRUE(NearColor(image.pixel(27, y), c.right)) << "right, row " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, JpegKindTest, testing::Values(
    KindCase{"Color", JpegKind::Color, qRgb(255, 128, 0), qRgb(0, 64, 192)},
    KindCase{"Progressive", JpegKind::Progressive, qRgb(20, 200, 90), qRgb(250, 240, 10)},
    KindCase{"Gray", JpegKind::Gray, qRgb(40, 40, 40), qRgb(210, 210, 210)},
    KindCase{"CmykAdobeInverted", JpegKind::CmykAdobe, qRgb(255, 128, 0), qRgb(0, 100, 100)},
    KindCase{"CmykWithoutMarker", JpegKind::CmykPlain, qRgb(255, 128, 0), qRgb(0, 100, 100)},
    KindCase{"Ycck", JpegKind::Ycck, qRgb(200, 30, 60), qRgb(90, 90, 250)}),
    test::kCaseName);

// Noise compresses badly, so most of this file is compressed picture data.
QByteArray SampleJpeg()
{
    std::mt19937 generator(11);
    QImage noise(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, generator() & 0xFFFFFF);
    return EncodeJpeg(noise, JpegKind::Color);
}

QByteArray Garbage()
{
    std::mt19937 generator(7);
    QByteArray bytes(300, '\0');
    for (char& b : bytes)
        b = char(generator() & 0xFF);
    bytes[0] = 'x';  // not a JPEG start marker
    return bytes;
}

QByteArray WithZeroWidth()
{
    QByteArray bytes = SampleJpeg();
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    bytes[frame + 7] = 0;  // the frame header's width
    bytes[frame + 8] = 0;
    return bytes;
}

struct BadCase {
    const char* name;
    QByteArray (*bytes)();
};

class JpegBadFileTest : public testing::TestWithParam<BadCase> {};

TEST_P(JpegBadFileTest, ThrowsPictureError)
{
    EXPECT_THROW(ReadJpeg(GetParam().bytes()), PictureError);
}

INSTANTIATE_TEST_SUITE_P(Table, JpegBadFileTest, testing::Values(
    BadCase{"Empty", [] { return QByteArray(); }},
    BadCase{"Text", [] { return QByteArray("This is not a picture\r\n"); }},
    BadCase{"Garbage", Garbage},
    BadCase{"StartMarkerOnly", [] { return SampleJpeg().left(2); }},
    BadCase{"CutInHeader", [] { return SampleJpeg().left(40); }},
    BadCase{"CutInScan", [] { const QByteArray b = SampleJpeg(); return b.left(b.size() / 2); }},
    BadCase{"CutJustBeforeTheEnd", [] { const QByteArray b = SampleJpeg(); return b.left(b.size() - 3); }},
    BadCase{"ZeroWidth", WithZeroWidth}),
    test::kCaseName);

// A header claiming more pixels than the program takes: refused by its
// size, before anything of the picture is decoded.
TEST(JpegReaderTest, PictureOverTheLimitIsRefusedBySize)
{
    QByteArray bytes = SampleJpeg();
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    const char size[] = {char(0x27), char(0x10), char(0x27), char(0x11)};  // 10000 high, 10001 wide
    bytes.replace(frame + 5, 4, size, 4);
    try {
        ReadJpeg(bytes);
        ADD_FAILURE() << "no error";
    } catch (const PictureError& error) {
        EXPECT_STREQ(error.what(), "JPEG picture is too large (10001 x 10000)");
    }
}

TEST(JpegReaderTest, FileWithoutEndMarkerIsComplete)
{
    const QByteArray whole = EncodeJpeg(TwoHalves(qRgb(255, 0, 0), qRgb(0, 0, 255)), JpegKind::Color);
    ASSERT_TRUE(whole.endsWith(QByteArray("\xFF\xD9", 2)));
    const QImage image = ReadJpeg(whole.left(whole.size() - 2));
    ASSERT_EQ(image.size(), QSize(32, 16));
    EXPECT_TRUE(NearColor(image.pixel(4, 8), qRgb(255, 0, 0)));
    EXPECT_TRUE(NearColor(image.pixel(27, 8), qRgb(0, 0, 255)));
}

// A baseline file cut anywhere before its end marker fails; nothing is read
// or written out of bounds (checked under the sanitizers).
TEST(JpegReaderTest, EveryCutOfABaselineFileFails)
{
    for (const JpegKind kind : {JpegKind::Color, JpegKind::Gray, JpegKind::CmykAdobe}) {
        const QByteArray whole = EncodeJpeg(TwoHalves(qRgb(255, 0, 0), qRgb(0, 0, 255)), kind);
        for (qsizetype length = 0; length < whole.size() - 2; ++length)
            EXPECT_THROW(ReadJpeg(whole.left(length)), PictureError) << "cut at " << length;
    }
}

// A progressive file cut between two of its scans is a complete picture of
// lower quality; cut anywhere else it fails.
TEST(JpegReaderTest, CutProgressiveFileFailsOrIsWhole)
{
    const QByteArray whole = EncodeJpeg(TwoHalves(qRgb(255, 0, 0), qRgb(0, 0, 255)), JpegKind::Progressive);
    for (qsizetype length = 0; length < whole.size(); ++length) {
        try {
            EXPECT_EQ(ReadJpeg(whole.left(length)).size(), QSize(32, 16)) << "cut at " << length;
        } catch (const PictureError&) {
        }
    }
}

} // namespace
} // namespace tessaro::platform
