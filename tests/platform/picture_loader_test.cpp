// Picture files by extension: every readable kind, extensions in any
// letter case, and the files that must raise the picture error.
#include "jpeg_encoder.h"
#include "platform/picture_loader.h"

#include "named_case.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <string>

namespace tessaro::platform {
namespace {

using test::PrintTo;

QImage Filled(QSize size, QRgb color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// An icon file with one PNG entry per image, in the given order.
QByteArray IconFile(const QList<QImage>& images)
{
    QByteArray header(6, '\0');
    qToLittleEndian<quint16>(1, header.data() + 2);  // type: icon
    qToLittleEndian<quint16>(quint16(images.size()), header.data() + 4);
    QByteArray directory;
    QByteArray data;
    qsizetype offset = 6 + 16 * images.size();
    for (const QImage& image : images) {
        const QByteArray png = Encoded(image, "PNG");
        QByteArray entry(16, '\0');
        entry[0] = char(image.width());
        entry[1] = char(image.height());
        qToLittleEndian<quint16>(1, entry.data() + 4);   // planes
        qToLittleEndian<quint16>(32, entry.data() + 6);  // bits per pixel
        qToLittleEndian<quint32>(quint32(png.size()), entry.data() + 8);
        qToLittleEndian<quint32>(quint32(offset), entry.data() + 12);
        directory += entry;
        data += png;
        offset += png.size();
    }
    return header + directory + data;
}

QByteArray SvgFile()
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"30\">"
           "<rect x=\"0\" y=\"0\" width=\"40\" height=\"30\" fill=\"#FF0000\"/></svg>";
}

QByteArray RedJpeg()
{
    return test::EncodeJpeg(Filled({40, 30}, qRgb(255, 0, 0)), test::JpegKind::Color);
}

QByteArray RedPng() { return Encoded(Filled({40, 30}, qRgb(255, 0, 0)), "PNG"); }

QByteArray ThreeSizeIcon()
{
    // Only the 32 x 32 picture is red.
    return IconFile({Filled({16, 16}, qRgb(0, 0, 255)), Filled({32, 32}, qRgb(255, 0, 0)),
                     Filled({48, 48}, qRgb(0, 255, 0))});
}

class PictureFolder : public testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder_.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir folder_;
    PictureLoader loader_;
};

struct GoodCase {
    const char* name;
    const char* fileName;
    QByteArray (*bytes)();
    QSize size;
};

class PictureLoadTest : public PictureFolder, public testing::WithParamInterface<GoodCase> {};

TEST_P(PictureLoadTest, LoadsRedPicture)
{
    const GoodCase& c = GetParam();
    const QImage image = loader_.load(write(QString::fromLatin1(c.fileName), c.bytes()));
    ASSERT_EQ(image.size(), c.size);
    const QRgb centre = image.pixel(c.size.width() / 2, c.size.height() / 2);
    EXPECT_GE(qRed(centre), 250);
    EXPECT_LE(qGreen(centre), 5);
    EXPECT_LE(qBlue(centre), 5);
}

INSTANTIATE_TEST_SUITE_P(Table, PictureLoadTest, testing::Values(
    GoodCase{"Jpg", "photo.jpg", RedJpeg, {40, 30}},
    GoodCase{"JpegUpperCase", "PHOTO.JPEG", RedJpeg, {40, 30}},
    GoodCase{"JpgMixedCase", "photo.JpG", RedJpeg, {40, 30}},
    GoodCase{"Bmp", "sheet.bmp", [] { return Encoded(Filled({40, 30}, qRgb(255, 0, 0)), "BMP"); }, {40, 30}},
    GoodCase{"PngUpperCase", "SHOT.PNG", RedPng, {40, 30}},
    GoodCase{"IconTakesThe32By32One", "logo.ico", ThreeSizeIcon, {32, 32}},
    GoodCase{"SvgAtItsOwnSize", "drawing.svg", SvgFile, {40, 30}},
    GoodCase{"LastDotCounts", "logo.old.png", RedPng, {40, 30}}),
    test::kCaseName);

struct BadCase {
    const char* name;
    const char* fileName;
    QByteArray (*bytes)();  // null: the file does not exist
};

class PictureErrorTest : public PictureFolder, public testing::WithParamInterface<BadCase> {};

TEST_P(PictureErrorTest, ThrowsPictureError)
{
    const BadCase& c = GetParam();
    const QString name = QString::fromLatin1(c.fileName);
    const QString path = c.bytes ? write(name, c.bytes()) : folder_.filePath(name);
    EXPECT_THROW(loader_.load(path), PictureError);
}

INSTANTIATE_TEST_SUITE_P(Table, PictureErrorTest, testing::Values(
    // The extension decides, even when the content is a picture.
    BadCase{"UnknownExtension", "picture.gif", RedPng},
    BadCase{"NoExtension", "picture", RedPng},
    BadCase{"DotOnlyInFolder", "pictures.png/picture", RedPng},
    BadCase{"Wmf", "drawing.wmf", [] { return QByteArray("\xD7\xCD\xC6\x9A", 4); }},
    BadCase{"EmfUpperCase", "drawing.EMF", [] { return QByteArray(64, '\1'); }},
    BadCase{"MissingPng", "missing.png", nullptr},
    BadCase{"MissingJpg", "missing.jpg", nullptr},
    BadCase{"EmptyBmp", "empty.bmp", [] { return QByteArray(); }},
    BadCase{"TextAsBmp", "text.bmp", [] { return QByteArray("BM but nothing else"); }},
    BadCase{"CutPng", "cut.png", [] { return RedPng().left(30); }},
    BadCase{"TextAsIco", "text.ico", [] { return QByteArray("not an icon"); }},
    BadCase{"TextAsJpg", "text.jpg", [] { return QByteArray("not a JPEG"); }},
    BadCase{"CutJpeg", "cut.jpeg", [] { return RedJpeg().left(200); }},
    BadCase{"BrokenSvg", "broken.svg", [] { return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" <<"); }}),
    test::kCaseName);

// A header claiming more pixels than the program takes: refused by its
// size, with the size in the message, before anything is decoded.
TEST_F(PictureFolder, PictureOverTheLimitIsRefusedBySize)
{
    const QByteArray header = QByteArray::fromHex(
        "89504e470d0a1a0a0000000d49484452000075300000753008060000006627f8ba0000000c49444154789c6360a00c000000400001b7347cef");
    try {
        loader_.load(write(QStringLiteral("huge.png"), header));
        ADD_FAILURE() << "no error";
    } catch (const PictureError& error) {
        EXPECT_STREQ(error.what(), "PNG image is too large (30000 x 30000)");
    }
}

} // namespace
} // namespace tessaro::platform
