// Cost of asking for a font that is already cached (every dialog asks for its
// fonts again), with as many distinct fonts alive as a busy run would hold.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "framework/window/brush.h"
#include "framework/window/font.h"
#include "tests/support/layers.h"

int main() {
    using Clock = std::chrono::steady_clock;
    std::vector<pixa::FontRef> alive;
    for (int height = 8; height < 40; ++height)
        for (bool bold : {false, true}) alive.push_back(pixa::TFont::New({.cFaceName = "Arial", .nHeight = -height, .lBold = bold}));
    const int rounds = 100000;
    auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        auto font = pixa::TFont::New({.cFaceName = "Arial", .nHeight = -(8 + i % 32), .lBold = i % 2 == 1});
        font->End();
    }
    double fontMicros = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / rounds;
    std::vector<pixa::BrushRef> brushes;
    for (std::uint32_t colour = 0; colour < 64; ++colour) brushes.push_back(pixa::TBrush::Solid(colour * 4));
    start = Clock::now();
    for (int i = 0; i < rounds; ++i) pixa::TBrush::Solid(static_cast<std::uint32_t>(i % 64) * 4)->End();
    double brushMicros = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / rounds;
    std::printf("font cache: %zu fonts alive, cached request + release %.3f us\n", pixa::TFont::Cache().size(),
                fontMicros);
    std::printf("brush cache: %zu brushes alive, cached request + release %.3f us\n", pixa::TBrush::Cache().size(),
                brushMicros);
    return 0;
}
