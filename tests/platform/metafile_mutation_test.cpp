// The metafile decoder on damaged files, through the same path the program
// takes (one decoder process a picture): truncations and seeded byte changes
// of the sample WMF and EMF either decode or are refused, and a decoder
// that crashes or hangs costs only that picture. Each format prints its
// counts. TESSARO_MUTATION_ROUNDS sets the files a format (default 40);
// TESSARO_MUTATION_SECONDS instead keeps going that long, for long runs
// in the sanitizer build; TESSARO_MUTATION_SEED starts another sequence.
#include "platform/metafile_reader.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace tessaro::platform {
namespace {

QByteArray Sample(const char* name)
{
    QFile file(QStringLiteral(TESSARO_SAMPLE_PICTURES_DIR "/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

int EnvNumber(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

struct Counts {
    int files = 0, refused = 0, decoded = 0, crashed = 0, timedOut = 0;
};

QByteArray Damaged(const QByteArray& sound, std::mt19937& random, int round)
{
    // Every tenth file is a plain truncation, walking through the lengths.
    if (round % 10 == 0)
        return sound.left((round / 10) % sound.size());
    QByteArray bytes = sound;
    const int changes = 1 + int(random() % 6);
    for (int i = 0; i < changes; ++i) {
        const auto at = qsizetype(random() % std::uint32_t(bytes.size()));
        switch (random() % 4) {
        case 0: bytes[at] = char(0xFF); break;
        case 1: bytes[at] = char(0x00); break;
        case 2: bytes[at] = char(0x80); break;
        default: bytes[at] = char(random() & 0xFF); break;
        }
    }
    if (random() % 4 == 0)
        bytes.resize(qsizetype(random() % std::uint32_t(bytes.size() + 1)));
    else if (random() % 8 == 0)
        bytes.append(QByteArray(qsizetype(random() % 256), char(random() & 0xFF)));
    return bytes;
}

void Mutate(MetafileKind kind, const char* name)
{
    const QByteArray sound = Sample(name);
    ASSERT_EQ(DecodeMetafileInProcess(kind, sound).outcome, MetafileOutcome::Decoded) << name;
    const int rounds = EnvNumber("TESSARO_MUTATION_ROUNDS", 40);
    const qint64 seconds = EnvNumber("TESSARO_MUTATION_SECONDS", 0);
    std::mt19937 random(std::uint32_t(EnvNumber("TESSARO_MUTATION_SEED", 20261211)));
    Counts counts;
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; seconds > 0 ? clock.elapsed() < seconds * 1000 : round < rounds; ++round) {
        const MetafileDecode decode = DecodeMetafileInProcess(kind, Damaged(sound, random, round));
        ++counts.files;
        switch (decode.outcome) {
        case MetafileOutcome::Decoded:
            ++counts.decoded;
            EXPECT_LE(decode.image.width(), kMaxMetafileSide);
            EXPECT_LE(decode.image.height(), kMaxMetafileSide);
            break;
        case MetafileOutcome::Refused: ++counts.refused; break;
        case MetafileOutcome::Crashed: ++counts.crashed; break;
        case MetafileOutcome::TimedOut: ++counts.timedOut; break;
        case MetafileOutcome::BadAnswer: ADD_FAILURE() << "malformed answer in round " << round; break;
        case MetafileOutcome::NotStarted: FAIL() << decode.error.toStdString();
        }
    }
    std::printf("%s: %d files, %d refused, %d decoded, %d decoder crashes contained, %d hangs killed\n", name,
                counts.files, counts.refused, counts.decoded, counts.crashed, counts.timedOut);
}

TEST(MetafileMutation, Wmf)
{
    Mutate(MetafileKind::Wmf, "star.wmf");
}

TEST(MetafileMutation, Emf)
{
    Mutate(MetafileKind::Emf, "ribbon.emf");
}

} // namespace
} // namespace tessaro::platform
