// Windows metafiles as pictures: the sample WMF and EMF files drawn at their
// own size, a metafile claiming an enormous size held to what a screen
// shows, and bytes that are no metafile refused.
#include "platform/metafile_reader.h"
#include "platform/picture_loader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace tessaro::platform {
namespace {

QByteArray Sample(const char* name)
{
    QFile file(QStringLiteral(TESSARO_SAMPLE_PICTURES_DIR "/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

TEST(MetafileReader, SampleWmfAtItsOwnSize)
{
    const QImage star = ReadWmf(Sample("star.wmf"));
    ASSERT_EQ(star.size(), QSize(96, 96));
    // The star's centre is #FFB703, its ring #A8DADC.
    EXPECT_EQ(QColor(star.pixel(48, 50)), QColor(0xFF, 0xB7, 0x03));
    EXPECT_EQ(QColor(star.pixel(48, 88)), QColor(0xA8, 0xDA, 0xDC));
}

TEST(MetafileReader, SampleEmfAtItsOwnSize)
{
    const QImage ribbon = ReadEmf(Sample("ribbon.emf"));
    // libemf2svg reads the header's inclusive bounds as 159 x 59.
    ASSERT_EQ(ribbon.size(), QSize(159, 59));
    EXPECT_EQ(QColor(ribbon.pixel(80, 25)), QColor(0x81, 0xB2, 0x9A));
    EXPECT_EQ(QColor(ribbon.pixel(40, 25)), QColor(0xF2, 0xCC, 0x8F));
}

TEST(MetafileReader, EnormousClaimedSizeIsHeldToTheLimit)
{
    QByteArray bomb = Sample("star.wmf");
    ASSERT_GE(bomb.size(), 22);
    // The placeable header: a 32767-unit box at one unit per inch.
    qToLittleEndian<qint16>(32767, bomb.data() + 10);
    qToLittleEndian<qint16>(32767, bomb.data() + 12);
    qToLittleEndian<quint16>(1, bomb.data() + 14);
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= qFromLittleEndian<quint16>(bomb.constData() + i);
    qToLittleEndian<quint16>(checksum, bomb.data() + 20);
    const QImage image = ReadWmf(bomb);
    EXPECT_LE(image.width(), kMaxMetafileSide);
    EXPECT_LE(image.height(), kMaxMetafileSide);
}

TEST(MetafileReader, OtherBytesAreRefused)
{
    EXPECT_THROW(ReadWmf(QByteArray("not a metafile at all, just some text")), PictureError);
    EXPECT_THROW(ReadEmf(QByteArray(200, '\x01')), PictureError);
    EXPECT_THROW(ReadEmf(Sample("star.wmf")), PictureError);
    EXPECT_THROW(ReadWmf(Sample("ribbon.emf")), PictureError);
}

TEST(MetafileReader, LoaderTakesBothExtensions)
{
    QTemporaryDir folder;
    for (const char* name : {"star.wmf", "ribbon.emf"}) {
        const QString path = folder.filePath(QString::fromLatin1(name).toUpper());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Sample(name));
        file.close();
        EXPECT_FALSE(PictureLoader().load(path).isNull()) << name;
    }
}

} // namespace
} // namespace tessaro::platform
