// Writes the sample drawing's preview, with hatch segments, to the path given
// as the only argument; the xmllint check reads it.
#include <cstdio>
#include <system_error>

#include "tests/tools/preview/SampleDrawing.h"

int main(int argc, char** argv) {
    using namespace rv17;
    if (argc != 2) {
        std::fputs("usage: preview_sample PICTURE\n", stderr);
        return 2;
    }
    auto drawing = SampleDrawing();
    const ConvertedOutput hatch = ConvertWith(*drawing, SampleHatch(500));
    const std::error_code error = WritePreviewSvg(
        argv[1], PreviewInput{*drawing, &hatch.lines, hatch.firstHatchLine, "S<&>.TXT", "1", "0"});
    if (error) {
        std::fprintf(stderr, "preview_sample: cannot write %s: %s\n", argv[1],
                     error.message().c_str());
        return 1;
    }
    ReleaseStore(*drawing);
    return 0;
}
