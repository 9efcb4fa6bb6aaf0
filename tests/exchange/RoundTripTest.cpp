// A drawing read and written back is a fixed point: reading what was written
// and writing it again gives the same bytes, and chosen drawings give exactly
// the bytes they must.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/FileAccess.h"
#include "exchange/JwwGaibu.h"
#include "tests/support/TestFolder.h"

namespace rv17 {

namespace {

using Lines = std::vector<std::string>;

// The input as a literal that can be pasted into a regression case.
std::string AsLiteral(const Lines& lines) {
    std::ostringstream out;
    out << "{";
    for (const std::string& line : lines) {
        out << "\n    \"";
        for (unsigned char c : line) {
            if (c == '"' || c == '\\') {
                out << '\\' << c;
            } else if (c >= 0x20 && c < 0x7F) {
                out << c;
            } else {
                const char* hex = "0123456789ABCDEF";
                out << "\\x" << hex[c >> 4] << hex[c & 15] << "\" \"";
            }
        }
        out << "\",";
    }
    out << "\n}";
    return out.str();
}

// Reads the lines as the host's file, as the run does before converting.
void ReadInput(EntityStore& store, const Lines& input) {
    InitialiseStore(store);
    ExchangeReader reader(store);
    for (const std::string& line : input) reader.Line(line);
}

// The output of a conversion without solids: header lines and the write-back.
void WriteOutput(OutputWriter& writer) {
    writer.Line("hd");
    if (writer.Drawing().bzFlag) writer.Line("bz");
    WriteBackEntities(writer);
}

// Writes the store's drawing back to a file and returns the file's bytes; the
// file is then read into next.
std::string WriteAndReread(EntityStore& store, const TestFolder& folder, EntityStore& next) {
    OutputWriter writer(store);
    WriteOutput(writer);
    const auto path = folder.Path() / "JWC_TEMP.TXT";
    EXPECT_EQ(SaveExchangeFile(writer.Lines(), path), std::error_code());
    InitialiseStore(next);
    EXPECT_TRUE(ReadExchangeFile(next, path));
    return ReadWholeFile(path).bytes;
}

// A font name that is empty or "<>" stands for the first font name of the
// file it is read from, so its meaning moves when the first name does.
bool HasRelativeFontNames(const EntityStore& s) {
    const auto relative = [](const ShortText& font) {
        return font.View().empty() || font.View() == "<>";
    };
    for (std::size_t i = 0; i < s.texts.Count(); ++i) {
        if (relative(s.texts[i].fontName)) return true;
    }
    for (std::size_t i = 0; i < s.dimensions.Count(); ++i) {
        if (relative(s.dimensions[i].text.fontName)) return true;
    }
    return false;
}

// ---- Generated drawings ----

class DrawingGenerator {
public:
    explicit DrawingGenerator(std::uint64_t seed) : random_(seed) {}

    Lines Generate(int figureCount) {
        lines_.clear();
        widths_ = Chance(0.5);
        if (Chance(0.3)) Add("bz");
        if (Chance(0.3)) Add("hcw 1 2 3 4 5 6 7 8 9 10");
        if (Chance(0.3)) Add("hcc 1 2 3 4 5 6 7 8 9 10");
        if (Chance(0.2)) Add("cn" + std::to_string(Uniform(-3, 14)));  // an odd first size number
        for (int i = 0; i < figureCount; ++i) {
            Attributes();
            Figure();
        }
        return lines_;
    }

private:
    bool Chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < p; }
    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    template <class T>
    const T& Pick(const std::vector<T>& values) {
        return values[static_cast<std::size_t>(Uniform(0, static_cast<int>(values.size()) - 1))];
    }
    void Add(std::string line) { lines_.push_back(std::move(line)); }

    static std::string Shortest(double value) {
        char buffer[64];
        return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    }

    // Number texts as a host writes them: short decimals, full doubles,
    // exponent forms, zeros.
    std::string Real() {
        switch (Uniform(0, 9)) {
            case 0:
            case 1:
            case 2:
                return Shortest(Uniform(-2000000, 2000000) / 1000.0);
            case 3:
            case 4:
            case 5:
                return Shortest(std::uniform_real_distribution<double>(-1e4, 1e4)(random_));
            case 6:
                return std::to_string(Uniform(1, 99)) + "." + std::to_string(Uniform(0, 9)) + "E" +
                       std::to_string(Uniform(-40, 40));
            case 7:
                return Pick<std::string>(
                    {"0", "-0", "0.00000001", "-1e-9", "1E15", "999999999999999.5"});
            case 8:
                return Shortest(std::uniform_real_distribution<double>(-1e-3, 1e-3)(random_));
            default:
                return Shortest(std::uniform_real_distribution<double>(-1e18, 1e18)(random_));
        }
    }

    std::string Reals(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += ' ';
            text += Real();
        }
        return text;
    }

    // Shift-JIS text: ASCII, half-width kana, double-byte characters whose
    // second byte looks like a quote or a backslash, blanks and quotes.
    std::string TextContent() {
        if (Chance(0.1)) return Pick<std::string>({"", "   ", "\x81\x40 \x81\x40"});
        static const std::vector<std::string> pieces = {
            "a",        "Z",        "0",        " ",        "\"",       "=",
            "$",        "\\",       "\xB1",     "\xDF",     "\x82\xA0", "\x95\x5C",
            "\x83\x22", "\x81\x40", "\x88\x9F", "\xEA\xA4", "lg1",      "ch"};
        std::string text;
        const int count = Chance(0.1) ? Uniform(100, 200) : Uniform(1, 12);
        for (int i = 0; i < count; ++i) text += Pick(pieces);
        return text;
    }

    std::string Hex() { return std::string(1, "0123456789ABCDEFabcdef"[Uniform(0, 21)]); }

    void Attributes() {
        if (Chance(0.3))
            Add("lg" + Hex() + (Chance(0.5) ? " " + std::to_string(Uniform(0, 9)) : ""));
        if (Chance(0.3)) Add("ly" + Hex());
        if (Chance(0.4)) {
            const int colour = Pick<int>({1, 2, 3, 5, 8, 9, 10, 10, 10, 101, 256, 356, 0, 400});
            if (colour == 10 && Chance(0.8)) {
                Add("lc10 " + std::to_string(Pick<int>(
                                  {0, 255, 65280, 16711680, 16777215, 16777216, -5, 12345})));
            } else {
                Add("lc" + std::to_string(colour));
            }
        }
        if (Chance(0.3)) Add("lt" + std::to_string(Pick<int>({1, 2, 5, 9, 11, 19, 31, 62, 0})));
        if (widths_ && Chance(0.3))
            Add("lw" + std::to_string(Pick<int>({0, 1, 25, 30000, -1, 30001, -7})));
        if (Chance(0.3)) {
            const int size = Pick<int>({0, 0, 1, 4, 10, 11, -1});
            Add("cn" + std::to_string(size) +
                (size == 0 && Chance(0.8) ? Reals(3) + " " + std::to_string(Uniform(0, 9)) : ""));
        }
        if (Chance(0.2)) Add("cc" + std::to_string(Uniform(0, 9)));
        if (Chance(0.2)) {
            Add("cn\"$" + Pick<std::string>({"MS Gothic", "\x82\x6C\x82\x72 \x96\xBE\x92\xA9", "<>",
                                             "", " x y", std::string(260, 'f')}));
        }
        if (Chance(0.2)) Add("pn" + std::to_string(Uniform(0, 12)));
        for (const char* z : {"z1", "z2", "z3", "z4", "z5"}) {
            if (Chance(0.15)) Add(z);
        }
        if (Chance(0.1)) Add("hhp" + std::to_string(Uniform(1, 9)));
    }

    std::string TextLine(const std::string& key) {
        const std::string placement = Chance(0.1) ? " 1 2 0 0" : Reals(4);
        if (Chance(0.1)) return key + placement + " word tail";  // no quote: only the first word
        return key + placement + " \"" + TextContent();
    }

    void Figure() {
        switch (Uniform(0, 13)) {
            case 0:
                if (Chance(0.3)) Add("pl");
                Add(Real() + Reals(3));
                if (Chance(0.3)) Add("#");
                break;
            case 1: {
                const std::string x = Real(), y = Real();
                Add(Chance(0.1) ? x + " " + y + " " + x + " " + y : x + " " + y + Reals(2));
                break;
            }
            case 2:
                Add("ci" + Reals(2) + " " + Pick<std::string>({"5", "0", "-2", "1e-9", "0.5"}));
                break;
            case 3:
                Add("ci" + Reals(5) + " " + Pick<std::string>({"1.5", "0", "-3"}) + Reals(1));
                break;
            case 4:
                Add(TextLine(Pick<std::string>(
                    {"ch", "cv", "cs", "cr", "co", "cp", "ct", "ck", "cz", "c2"})));
                break;
            case 5:
                Add("pt" + Reals(2));
                break;
            case 6:
                Add("pt" + Reals(4) + " " + std::to_string(Uniform(-10, 14)));
                break;
            case 7:
                Add("msg");
                Add(Real() + Reals(3));
                Add(Chance(0.3) ? "cs" + Reals(4) + " \"" : TextLine("cs"));
                break;
            case 8:
                Add("BL" + Reals(2) + " block" + std::to_string(Uniform(0, 9)));
                break;
            case 9:
                Add("sl" + Reals(4));
                break;
            case 10: {
                const std::string p = Real() + " " + Real();
                Add("sl " + p + " " + (Chance(0.5) ? p : Real() + " " + Real()) +
                    Reals(Chance(0.5) ? 2 : 4));
                break;
            }
            case 11:
                Add(Pick<std::string>({"se", "se", "sc"}) + Reals(3) + " " +
                    Pick<std::string>({"1", "0.5", "0", "-1"}) + Reals(3) + " " +
                    Pick<std::string>({"0", "100", "5"}));
                break;
            case 12:
                Add(Pick<std::string>({"so", "sg"}) + Reals(8));
                break;
            default:
                Add("hp1" + Reals(2));
                break;
        }
    }

    std::mt19937_64 random_;
    Lines lines_;
    bool widths_ = false;
};

// Written once, a drawing is a fixed point of reading and writing: what the
// write rules drop or change, they drop or change the first time (only the
// attribute lines of a dropped figure stay until the next write). Returns the
// first write.
std::string ExpectFixedPoint(const Lines& input, const TestFolder& folder, const char* name,
                             int* compared = nullptr) {
    EntityStore first, second, third;
    ReadInput(first, input);
    const std::string firstFile = WriteAndReread(first, folder, second);
    const std::string secondFile = WriteAndReread(second, folder, third);
    const std::string thirdFile = WriteAndReread(third, folder, first);
    if (!HasRelativeFontNames(second)) {
        EXPECT_EQ(thirdFile, secondFile) << name << "; input " << AsLiteral(input);
        if (compared != nullptr) ++*compared;
    }
    ReleaseStore(first), ReleaseStore(second), ReleaseStore(third);
    return firstFile;
}

TEST(RoundTrip, GeneratedDrawingsAreWrittenAsAFixedPoint) {
    TestFolder folder;
    int compared = 0;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        DrawingGenerator generator(seed);
        const Lines input = generator.Generate(static_cast<int>(seed % 40) + 1);
        const std::string seedName = "seed " + std::to_string(seed);
        EXPECT_EQ(ExpectFixedPoint(input, folder, seedName.c_str(), &compared).substr(0, 4),
                  "hd\r\n");
        if (HasFailure()) {
            ADD_FAILURE() << "stopped at " << seedName;
            return;
        }
    }
    EXPECT_GT(compared, 100) << "too few drawings without relative font names";
}

struct HandwrittenCase {
    const char* name;
    Lines input;
    std::string output;
};

void PrintTo(const HandwrittenCase& c, std::ostream* out) { *out << c.name; }

class RoundTripCases : public ::testing::TestWithParam<HandwrittenCase> {};

TEST_P(RoundTripCases, WritesExactOutputAsAFixedPoint) {
    const HandwrittenCase& c = GetParam();
    TestFolder folder;
    EXPECT_EQ(ExpectFixedPoint(c.input, folder, c.name), c.output) << c.name;
}

const std::string kDefaultFontLine = "cn\"$" + std::string(kDefaultFontName);

INSTANTIATE_TEST_SUITE_P(
    Handwritten, RoundTripCases,
    ::testing::Values(
        HandwrittenCase{"line then circle on the same layer",
                        {"lg0", "ly2", "lc3", "lt1", "0 0 100 0", "z1", "ci 50 50 5"},
                        "hd\r\nlg0\r\nly2\r\nlc3\r\nlt1\r\n0 0 100 0\r\nz1\r\nci 50 50 5\r\n"},
        HandwrittenCase{
            "polylines, point references and blocks dropped",
            {"bz", "pl", "0 0 1 0", "hhp2", "1 0 1 1", "#", "BL 5 5 name", "sl 0 0 4 0 4 4 0 4"},
            "hd\r\nbz\r\nlg0\r\nly0\r\nlc1\r\nlt1\r\npl\r\n0 0 1 0\r\n1 0 1 1\r\n#\r\n"},
        HandwrittenCase{"a curve with z flags, then a circle, loose lines and a solid",
                        {"pl", "0 0 1 0", "z1", "1 0 1 1", "ci 5 5 1", "1 1 0 1", "#",
                         "sl 0 0 4 0 4 4", "lc2", "9 9 8 8"},
                        "hd\r\nlg0\r\nly0\r\nlc1\r\nlt1\r\npl\r\n0 0 1 0\r\nz1\r\n1 0 1 "
                        "1\r\n#\r\nci 5 5 1\r\n1 1 0 1\r\nlc2\r\n9 9 8 8\r\n"},
        HandwrittenCase{"text with free size and font",
                        {"cn0 2.5 2.5 0 3", "cn\"$MS Gothic", "ch 1 2 1 0 \"hello \"world\""},
                        "hd\r\nlg0\r\nly0\r\ncn0 2.5 2.5 0 3\r\ncc0\r\ncn\"$MS Gothic\r\nch 1 2 1 "
                        "0 \"hello \"world\"\r\n"},
        HandwrittenCase{"dimension with measured text",
                        {"msg", "0 0 3 4", "cs 1 1 1 0 \""},
                        "hd\r\nlg0\r\nly0\r\nlc1\r\nlt1\r\ncn1\r\ncc0\r\n" + kDefaultFontLine +
                            "\r\nmsg\r\n0 0 3 4\r\ncs 1 1 1 0 \"5\r\n"},
        HandwrittenCase{"se solid to layer 1, widths normalised",
                        {"lw25", "lg3", "ly7", "lc10 255", "se 1 2 3 1 0 0 6.28 100", "lw40000",
                         "lc10 255", "sl 0 0 1 1"},
                        "hd\r\nlg3\r\nly1\r\nlc10 255\r\nlw25\r\nse 1 2 3 1 0 0 6.28 "
                        "100\r\nly7\r\nlw0\r\nsl 0 0 1 1\r\n"},
        HandwrittenCase{"degenerate figures keep their attribute lines",
                        {"lc4", "z2", "5 5 5 5", "ci 1 1 0", "pt 1 2 0 7 12"},
                        "hd\r\nlg0\r\nly0\r\nlc4\r\nlt1\r\npn1\r\npt 1 2 1 7 -3\r\n"},
        HandwrittenCase{
            "an arc kept, a flat arc and a hatchable solid dropped",
            {"lc5", "ci 5 5 2 0 1.5 1 0.5", "sc 0 0 3 1 0 6.28 0 5", "ci 1 1 1 0.5 1 0 0.5"},
            "hd\r\nlg0\r\nly0\r\nlc5\r\nlt1\r\nci 5 5 2 0 1.5 1 0.5\r\n"}),
    [](const ::testing::TestParamInfo<HandwrittenCase>& testCase) {
        return "Case" + std::to_string(testCase.index);
    });

}  // namespace

}  // namespace rv17
