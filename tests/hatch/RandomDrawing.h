// Random drawings for the sweep-equivalence test: every kind of solid and
// every solid mode, with the awkward cases mixed in (coinciding corners, tiny
// radii, thin ellipses, undefined flatness, arcs of zero and of whole turns),
// random pen colours, reference points and dialog values.
#pragma once

#include <charconv>
#include <random>
#include <string>

#include "hatch/HatchSettings.h"

namespace rv17 {

class RandomDrawing {
public:
    explicit RandomDrawing(std::uint64_t seed) : random_(seed) {}

    struct Sample {
        std::string text;
        HatchSettings settings;
    };

    Sample Next() {
        Sample sample;
        std::string& t = sample.text;
        grid_ = Chance(0.25);  // whole numbers: lines through corners and along edges
        if (Chance(0.2)) t += "bz\n";
        if (Chance(0.5)) t += std::string("lw") + Int(0, 50) + "\n";
        if (Chance(0.7)) t += std::string("hp1 ") + Coordinate() + " " + Coordinate() + "\n";
        const int solids = static_cast<int>(Uniform(1, 8));
        for (int i = 0; i < solids; ++i) {
            t += Colour();
            t += Solid();
            if (Chance(0.15)) t += Other();
        }
        sample.settings = Settings();
        return sample;
    }

private:
    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
    double Uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    static std::string Text(double value) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        return std::string(buffer, end);
    }
    std::string Int(int low, int high) {
        return std::to_string(std::uniform_int_distribution<int>(low, high)(random_));
    }

    std::string Coordinate() {
        if (grid_) return Int(-12, 12);
        return Text(Uniform(-15.0, 15.0));
    }
    std::string Size() {
        switch (Pick(8)) {
            case 0:
                return Text(Uniform(0.0, 1e-4));  // tiny: tangent tolerances reach beyond it
            case 1:
                return "0";
            case 2:
                return Text(-Uniform(0.5, 8.0));  // negative radius
            default:
                return grid_ ? Int(1, 10) : Text(Uniform(0.3, 12.0));
        }
    }
    std::string Flatness() {
        switch (Pick(10)) {
            case 0:
                return "1";
            case 1:
                return "1.000000005";  // a circle within the tolerance
            case 2:
                return Text(Uniform(0.001, 0.02));  // thin ellipse
            case 3:
                return Text(Uniform(5.0, 60.0));  // wider across than along (with a small radius)
            case 4:
                return Chance(0.5) ? "0" : Text(-Uniform(0.1, 2.0));  // undefined: not hatched
            case 5:
            case 6:
                return "1";
            default:
                return Text(Uniform(0.2, 3.0));
        }
    }
    std::string Angle() {
        switch (Pick(9)) {
            case 0:
                return "0";
            case 1:
                return Text(6.283185307179586);
            case 2:
                return Text(-Uniform(0.0, 9.0));
            case 3:
                return Text(Uniform(6.3, 20.0));
            case 4:
                return Text(3.141592653589793);
            case 5:
                return Text(1.5707963267948966);
            default:
                return Text(Uniform(0.0, 6.3));
        }
    }
    // A large flatness goes with a small radius, to keep the drawing small.
    std::string SizeAndFlatness() {
        const std::string flatness = Flatness();
        const std::string size = std::stod(flatness) > 4.0 ? Text(Uniform(0.0, 0.4)) : Size();
        return size + " " + flatness;
    }
    std::string Point() { return Coordinate() + " " + Coordinate(); }

    std::string Colour() {
        switch (Pick(6)) {
            case 0:
                return std::string("lc10 ") + Int(0, 0xFFFFFF) + "\n";
            case 1:
                return std::string("lc") + Int(1, 9) + "\n";
            case 2:
                return std::string("lc") + Int(101, 256) + "\n";
            default:
                return "";
        }
    }

    std::string Solid() {
        switch (Pick(7)) {
            case 0: {
                const std::string p = Point();
                // Coinciding corners make the reader keep a segment or a triangle.
                return std::string("sl ") + p + " " + (Chance(0.1) ? p : Point()) + " " + Point() +
                       "\n";
            }
            case 1:
                return std::string("sl ") + Point() + " " + Point() + " " + Point() + " " +
                       Point() + "\n";
            case 2: {
                static const char* const kModes[] = {"5", "0", "-1", "1", "100", "7", "-3"};
                return std::string("sc ") + Point() + " " + SizeAndFlatness() + " " + Angle() +
                       " " + Angle() + " " + Angle() + std::string(" ") + kModes[Pick(7)] + "\n";
            }
            case 3:
            case 4:
                return std::string(Pick(2) == 0 ? "so " : "sg ") + Point() + " " +
                       SizeAndFlatness() + " " + Angle() + " " + Angle() + " " + Angle() + " " +
                       Size() + "\n";
            case 5:
                return std::string("sc ") + Point() + " " + Size() +
                       " 1 0 0 0 1\n";  // whole circle
            default: {
                // A sector, segment or tangent corner of a quarter or half turn.
                static const char* const kArcs[] = {"1.5707963267948966", "3.141592653589793",
                                                    "-1.5707963267948966", "2.0943951023931953",
                                                    "0"};
                static const char* const kModes[] = {"5", "0", "-1"};
                return std::string("sc ") + Point() + " " + SizeAndFlatness() + " " + Angle() +
                       " " + Angle() + " " + kArcs[Pick(5)] + " " + kModes[Pick(3)] + "\n";
            }
        }
    }

    std::string Other() {
        switch (Pick(4)) {
            case 0:
                return Point() + " " + Point() + "\n";
            case 1:
                return std::string("se ") + Point() + " 3 1 0 0 6.283185307179586 0\n";
            case 2:
                return std::string("BL ") + Point() + " block\n";
            default:
                return std::string("sl ") + Point() + " " + Point() + "\n";
        }
    }

    HatchSettings Settings() {
        HatchSettings settings;
        settings.interval = grid_ && Chance(0.6) ? Int(1, 3) : Text(Uniform(0.4, 4.0));
        switch (Pick(6)) {
            case 0:
                settings.angleDegrees = Int(0, 8) + "5";
                break;  // 5, 15, ... 85 and 45
            case 1:
                settings.angleDegrees = std::to_string(45 * Pick(9));
                break;
            case 2:
                settings.angleDegrees = Text(-Uniform(0.0, 720.0));
                break;
            case 3:
                settings.angleDegrees = Text(Uniform(360.0, 1500.0));
                break;
            default:
                settings.angleDegrees = Text(Uniform(0.0, 360.0));
                break;
        }
        settings.colourIndex = Pick(5) == 0 ? -1 : Pick(266);
        settings.lineTypeIndex = Pick(5) == 0 ? -1 : Pick(51);
        settings.width = Chance(0.5) ? "-1" : Int(0, 30000);
        settings.recolourNumberedSolids = Chance(0.5);
        settings.recolourSxfSolids = Chance(0.5);
        return settings;
    }

    std::mt19937_64 random_;
    bool grid_ = false;
};

}  // namespace rv17
