// Windows metafiles as pictures: the sample WMF and EMF files drawn at their
// own size, a metafile claiming an enormous size held to what a screen
// shows, bytes that are no metafile refused, and a decoder process that
// crashes, hangs, answers nonsense or cannot be started costing only the
// picture.
#include "platform/metafile_reader.h"
#include "platform/picture_loader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <string>

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

// The message of the PictureError the read throws; empty when it reads.
std::string Refusal(QImage (*read)(const QByteArray&), const QByteArray& bytes)
{
    try {
        read(bytes);
    } catch (const PictureError& error) {
        return error.what();
    }
    return {};
}

TEST(MetafileReader, OtherBytesAreRefused)
{
    EXPECT_EQ(Refusal(ReadWmf, QByteArray("not a metafile at all, just some text")), "Metafile image is not valid");
    EXPECT_EQ(Refusal(ReadEmf, QByteArray(200, '\x01')), "Enhanced Metafile image is not valid");
    EXPECT_EQ(Refusal(ReadEmf, Sample("star.wmf")), "Enhanced Metafile image is not valid");
    EXPECT_EQ(Refusal(ReadWmf, Sample("ribbon.emf")), "Metafile image is not valid");
    EXPECT_EQ(Refusal(ReadWmf, QByteArray()), "Metafile image is not valid");
}

// Makes a shell script in FOLDER the decoder the reader starts.
void UseDecoderScript(const QTemporaryDir& folder, const char* script)
{
    const QString decoder = folder.filePath(QStringLiteral("decoder"));
    QFile file(decoder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("#!/bin/sh\n") + script + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("TESSARO_METAFILE_DECODER", decoder.toLocal8Bit());
}

struct FaultyDecoder {
    const char* name;
    const char* script; // the decoder's shell script
    MetafileOutcome outcome;
};

void PrintTo(const FaultyDecoder& c, std::ostream* os)
{
    *os << c.name;
}

class MetafileDecoderFault : public testing::TestWithParam<FaultyDecoder> {
protected:
    void TearDown() override { qunsetenv("TESSARO_METAFILE_DECODER"); }
};

TEST_P(MetafileDecoderFault, CostsOnlyThePicture)
{
    QTemporaryDir folder;
    UseDecoderScript(folder, GetParam().script);

    EXPECT_EQ(DecodeMetafileInProcess(MetafileKind::Wmf, Sample("star.wmf")).outcome, GetParam().outcome);
    EXPECT_EQ(Refusal(ReadWmf, Sample("star.wmf")), "Metafile image is not valid");
    EXPECT_EQ(Refusal(ReadEmf, Sample("ribbon.emf")), "Enhanced Metafile image is not valid");
}

INSTANTIATE_TEST_SUITE_P(Table, MetafileDecoderFault, testing::Values(
    FaultyDecoder{"Crashes", "kill -SEGV $$", MetafileOutcome::Crashed},
    FaultyDecoder{"EndsWithAnotherStatus", "cat >/dev/null; exit 3", MetafileOutcome::Crashed},
    FaultyDecoder{"AnswersNonsense", "cat >/dev/null; echo nonsense", MetafileOutcome::BadAnswer},
    // A header claiming 65535 x 1 pixels with no pixels after it.
    FaultyDecoder{"ClaimsMorePixelsThanItSends", "printf 'KTMF\\377\\377\\0\\0\\1\\0\\0\\0\\0\\0\\0\\0'",
                  MetafileOutcome::BadAnswer},
    FaultyDecoder{"ReadsNothing", "exit 0", MetafileOutcome::BadAnswer}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MetafileReader, HangingDecoderIsKilled)
{
    // Killed after the program's wait, ten seconds.
    QTemporaryDir folder;
    UseDecoderScript(folder, "exec sleep 600");
    const MetafileOutcome outcome = DecodeMetafileInProcess(MetafileKind::Wmf, Sample("star.wmf")).outcome;
    qunsetenv("TESSARO_METAFILE_DECODER");
    EXPECT_EQ(outcome, MetafileOutcome::TimedOut);
}

TEST(MetafileReader, MissingDecoderIsNamedInTheError)
{
    qputenv("TESSARO_METAFILE_DECODER", "/nonexistent/tessaro-wmf-decoder");
    const std::string error = Refusal(ReadWmf, Sample("star.wmf"));
    qunsetenv("TESSARO_METAFILE_DECODER");
    EXPECT_EQ(error.rfind("Cannot start the metafile decoder /nonexistent/tessaro-wmf-decoder", 0), 0u) << error;
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
