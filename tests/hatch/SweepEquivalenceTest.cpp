// The indexed sweep against the literal one: on thousands of generated
// drawings both must write the same lines, byte for byte, with the pieces
// clipped on one thread or on several (and joined or not), and none may write a
// number that is not finite.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/FileAccess.h"
#include "tests/hatch/HatchTestSupport.h"
#include "tests/hatch/RandomDrawing.h"

namespace rv17 {

namespace {

std::string SettingsText(const HatchSettings& s) {
    std::string text = "HatchSettings{\"";
    text.append(s.interval).append("\", \"").append(s.angleDegrees).append("\", ");
    text.append(std::to_string(s.colourIndex)).append(", ").append(std::to_string(s.lineTypeIndex));
    text.append(", \"").append(s.width).append("\", ");
    text.append(s.recolourNumberedSolids ? "true" : "false").append(", ");
    text.append(s.recolourSxfSolids ? "true" : "false");
    return text.append(s.joinTouching ? ", joined}" : "}");
}

bool HoldsNonFinite(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (line.find("NAN") != std::string::npos || line.find("INF") != std::string::npos)
            return true;
    }
    return false;
}

class SweepEquivalence : public testing::TestWithParam<std::uint64_t> {};

TEST_P(SweepEquivalence, IndexedSweepWritesWhatTheLiteralSweepWrites) {
    RandomDrawing generator(GetParam());
    std::size_t pieces = 0;
    for (int drawing = 0; drawing < 600; ++drawing) {
        RandomDrawing::Sample sample = generator.Next();
        // Every other drawing with its touching pieces joined.
        sample.settings.joinTouching = drawing % 2 == 1;
        const auto literal = ConvertText(sample.text, sample.settings, SweepMode::Literal);
        const auto indexed = ConvertText(sample.text, sample.settings, SweepMode::Indexed);
        ASSERT_EQ(literal, indexed) << "drawing:\n"
                                    << sample.text << "settings: " << SettingsText(sample.settings);
        // Written on that many threads, whatever the machine's cores: the same
        // lines. No thread at all (a core count not known) counts as one.
        for (const unsigned threads : {0u, 2u, 3u, 7u}) {
            Drawing threaded(sample.text);
            ASSERT_EQ(
                threaded.Convert(sample.settings, SweepOptions{SweepMode::Indexed, threads, {}}),
                indexed)
                << threads << " threads, drawing:\n"
                << sample.text << "settings: " << SettingsText(sample.settings);
        }
        ASSERT_FALSE(HoldsNonFinite(indexed)) << "drawing:\n"
                                              << sample.text << SettingsText(sample.settings);
        pieces += PiecesOf(indexed).size();
    }
    // The drawings must actually be hatched, or the comparison proves nothing.
    EXPECT_GT(pieces, 12000u);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SweepEquivalence, testing::Values(1u, 2u, 3u, 4u, 5u));

// Lines that reach more solids than the indexed sweep keeps outlines for,
// with pieces enough to be written in parts: a row of 20,000 solids along the
// lines, squares, circles, sectors and rings by turns.
TEST(SweepEquivalence, ARowOfSolidsAlongTheLines) {
    std::string text;
    for (int i = 0; i < 20000; ++i) {
        const std::string x = std::to_string(3 * i);
        switch (i % 4) {
            case 0:
                text += "sl " + x + " 0 " + x + ".5 0 " + x + ".5 1 " + x + " 1\n";
                break;
            case 1:
                text += "sc " + x + " 0.5 0.5 1 0 0 0 1\n";
                break;
            case 2:
                text += "sc " + x + " 0.5 0.6 1 0 0.3 2 0\n";
                break;
            default:
                text += "so " + x + " 0.5 0.6 1 0 0 4 0.3\n";
                break;
        }
    }
    for (const char* angle : {"0", "0.01"}) {
        HatchSettings settings;
        settings.interval = "0.3";
        settings.angleDegrees = angle;
        const auto literal = ConvertText(text, settings, SweepMode::Literal);
        ASSERT_GT(PiecesOf(literal).size(), 40000u);
        for (const unsigned threads : {1u, 2u, 3u}) {
            Drawing drawing(text);
            EXPECT_EQ(drawing.Convert(settings, SweepOptions{SweepMode::Indexed, threads, {}}),
                      literal)
                << "angle " << angle << ", " << threads << " threads";
        }
    }
}

TEST(SweepEquivalence, TheExampleDrawingAtManyAngles) {
    const std::string text =
        ReadWholeFile(std::filesystem::path(RV17_EXAMPLES_DIR) / "JWC_TEMP.TXT").bytes;
    ASSERT_FALSE(text.empty());
    for (const char* angle : {"0", "30", "45", "90", "-17.5", "400"}) {
        HatchSettings settings;
        settings.interval = "2";
        settings.angleDegrees = angle;
        EXPECT_EQ(ConvertText(text, settings, SweepMode::Literal),
                  ConvertText(text, settings, SweepMode::Indexed))
            << "angle " << angle;
    }
}

}  // namespace

}  // namespace rv17
