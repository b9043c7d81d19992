// The palette readers on damaged files: every truncation and many seeded
// byte changes of sound files either read or are refused with
// PaletteFormatError, never anything else. Run under the sanitizer build
// this also shows that no read leaves the bytes; TESSARO_MUTATION_ROUNDS
// raises the number of rounds for longer runs.
#include "export/aco_file.h"
#include "export/ase_file.h"
#include "export/gpl_file.h"
#include "export/pal_file.h"

#include "export_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace tessaro::exporting {
namespace {

using Reader = std::vector<PaletteEntry> (*)(std::string_view);

int Rounds()
{
    const char* env = std::getenv("TESSARO_MUTATION_ROUNDS");
    return env && *env ? std::atoi(env) : 20000;
}

// Reads; true when read, false when refused. Anything else fails the test.
bool ReadsOrRefuses(Reader read, const std::string& bytes)
{
    try {
        const auto entries = read(bytes);
        EXPECT_LE(entries.size(), bytes.size() / 4);
        return true;
    } catch (const PaletteFormatError&) {
        return false;
    }
}

void Mutate(Reader read, const std::string& sound)
{
    for (std::size_t n = 0; n < sound.size(); ++n)
        ReadsOrRefuses(read, sound.substr(0, n));
    std::mt19937 random(12345);
    for (int round = 0, rounds = Rounds(); round < rounds; ++round) {
        std::string bytes = sound;
        const int changes = 1 + int(random() % 4);
        for (int i = 0; i < changes; ++i)
            bytes[random() % bytes.size()] = char(random() % 4 == 0 ? 0xFF : random() & 0xFF);
        if (random() % 3 == 0)
            bytes.resize(random() % (bytes.size() + 1));
        ReadsOrRefuses(read, bytes);
    }
}

TEST(PaletteMutation, Aco)
{
    Mutate([](std::string_view bytes) { return ReadAco(bytes); }, test::ExportData("orange_black.aco"));
}

TEST(PaletteMutation, Pal)
{
    Mutate(&ReadPal, test::ExportData("orange_black.pal"));
}

TEST(PaletteMutation, Ase)
{
    Mutate([](std::string_view bytes) { return ReadAse(bytes); }, test::ExportData("grouped.ase"));
}

TEST(PaletteMutation, Gpl)
{
    Mutate(&ReadGpl, test::ExportData("orange_black.gpl"));
}

} // namespace
} // namespace tessaro::exporting
