// The picture quantiser on synthetic pictures with known colour blocks, and
// pictures that are not sound.
#include "platform/qt_color.h"
#include "tools/picture_colors.h"
#include "tools/picture_samples.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>

using namespace tessaro;
using namespace tessaro::tools;

namespace {

// Side-by-side blocks, widths in proportion to `weights`.
QImage Blocks(const std::vector<QRgb>& colors, const std::vector<int>& weights, int height = 40)
{
    int width = 0;
    for (int w : weights)
        width += w;
    QImage picture(width, height, QImage::Format_RGB32);
    int x = 0;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        for (int dx = 0; dx < weights[i]; ++dx)
            for (int y = 0; y < height; ++y)
                picture.setPixel(x + dx, y, colors[i]);
        x += weights[i];
    }
    return picture;
}

std::vector<TColor> Sorted(std::vector<TColor> colors)
{
    std::sort(colors.begin(), colors.end());
    return colors;
}

TEST(PictureColors, FindsTheBlocksMostCommonFirst)
{
    const std::vector<QRgb> blocks{qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 255), qRgb(250, 250, 250),
                                   qRgb(20, 20, 20), qRgb(255, 200, 0)};
    const QImage picture = Blocks(blocks, {60, 50, 40, 30, 20, 10});
    const std::vector<TColor> colors = RepresentativeColors(PictureSamples(picture), 6);
    std::vector<TColor> expected;
    for (QRgb rgb : blocks)
        expected.push_back(FromQRgb(rgb));
    EXPECT_EQ(colors, expected);
    // More colours asked for than the picture holds: each one once.
    EXPECT_EQ(RepresentativeColors(PictureSamples(picture), 32), expected);
    // The same picture gives the same colours.
    EXPECT_EQ(RepresentativeColors(PictureSamples(picture), 3), RepresentativeColors(PictureSamples(picture), 3));
}

TEST(PictureColors, NoisyBlocksGiveOneColourEach)
{
    // Four blocks, each with slight noise: four colours, one from each block.
    const std::vector<QRgb> blocks{qRgb(200, 30, 30), qRgb(30, 200, 30), qRgb(30, 30, 200), qRgb(230, 230, 230)};
    QImage picture(400, 100, QImage::Format_RGB32);
    for (int x = 0; x < 400; ++x)
        for (int y = 0; y < 100; ++y) {
            const QRgb base = blocks[std::size_t(x / 100)];
            const int noise = (x * 7 + y * 13) % 5 - 2;
            picture.setPixel(x, y, qRgb(qRed(base) + noise, qGreen(base) + noise, qBlue(base) + noise));
        }
    const std::vector<TColor> colors = RepresentativeColors(PictureSamples(picture), 4);
    ASSERT_EQ(colors.size(), 4u);
    std::vector<bool> seen(4, false);
    for (TColor color : colors)
        for (std::size_t b = 0; b < 4; ++b)
            if (std::abs(RedOf(color) - qRed(blocks[b])) <= 2 && std::abs(GreenOf(color) - qGreen(blocks[b])) <= 2 &&
                std::abs(BlueOf(color) - qBlue(blocks[b])) <= 2)
                seen[b] = true;
    EXPECT_EQ(seen, std::vector<bool>(4, true));
}

TEST(PictureColors, BigPicturesAreBroughtDown)
{
    const QImage big = Blocks({qRgb(1, 2, 3), qRgb(4, 5, 6)}, {2000, 2000}, 1000);
    const std::vector<TColor> samples = PictureSamples(big);
    EXPECT_LE(samples.size(), std::size_t(kPictureSampleSide * kPictureSampleSide));
    EXPECT_EQ(Sorted(RepresentativeColors(samples, 8)), Sorted({MakeColor(1, 2, 3), MakeColor(4, 5, 6)}));
}

TEST(PictureColors, PicturesThatAreNotSound)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(ReadPictureFile(dir.path(), error));
    EXPECT_FALSE(error.isEmpty());

    // A PNG header claiming 30000 x 30000 pixels, and a few bytes of data.
    const QByteArray header = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000075300000753008060000006627f8ba0000000c49444154789c6360a00c000000400001b7347cef");
    const QString huge = dir.filePath(QStringLiteral("huge.png"));
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(header);
    file.close();
    error.clear();
    EXPECT_FALSE(ReadPictureFile(huge, error));
    EXPECT_TRUE(error.contains(QStringLiteral("too large"))) << error.toStdString();

    const QString truncated = dir.filePath(QStringLiteral("cut.png"));
    QImage(64, 64, QImage::Format_RGB32).save(truncated);
    QFile cut(truncated);
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
    cut.resize(40);
    cut.close();
    error.clear();
    EXPECT_FALSE(ReadPictureFile(truncated, error));
    EXPECT_TRUE(RepresentativeColors({}, 8).empty());
}

} // namespace
