// Prints both dialogs as laid out at a display density, so that scripts
// driving the real program find its controls without copying the design.
//
//   print_layout [DPI]      (96 when not given)
//
// One line per window ("main WIDTH HEIGHT LEFT TOP": the client area and the
// designed place on the screen) and one per control ("main.Memo1 LEFT TOP
// WIDTH HEIGHT", in client pixels).
#include <cstdio>
#include <cstdlib>

#include "ui/DisplayScale.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace {

void Print(const char* window, const rv17::ui::WindowDesign& design) {
    std::printf("%s %d %d %d %d\n", window, design.clientWidth, design.clientHeight,
                design.position.left, design.position.top);
    for (const auto& control : design.controls) {
        const auto& b = control.bounds;
        std::printf("%s.%s %d %d %d %d\n", window, control.name.c_str(), b.left, b.top, b.width,
                    b.height);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int dpi = argc > 1 ? std::atoi(argv[1]) : rv17::ui::kDesignDpi;
    if (argc > 2 || dpi < rv17::ui::kDesignDpi / 2 || dpi > rv17::ui::kDesignDpi * 8) {
        std::fprintf(stderr, "usage: print_layout [DPI from 48 to 768]\n");
        return 2;
    }
    Print("main", rv17::ui::ScaledDesign(rv17::TForm1::Design(), dpi));
    Print("editor", rv17::ui::ScaledDesign(rv17::TForm2::Design(), dpi));
    return 0;
}
