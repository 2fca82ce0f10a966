// Canvas costs: a 20 x 20 rectangle and ellipse fill and one 12-pixel text line on the screen surface.
#include <benchmark/benchmark.h>

#include "platform/canvas/screen_dc.h"
#include "platform/canvas/screen.h"

namespace {

// A 240 x 320 screen with a surface on the client area, the way the paint handler gets it.
class ClientSurface {
public:
    ClientSurface() {
        initScreen(240, 320);
        dc_ = openScreenDC(0, 26, Rect{0, 26, 240, 294});
        SelectObject(dc_, GetStockObject(GRAY_BRUSH));
    }
    ~ClientSurface() { closeScreenDC(dc_); }
    ClientSurface(const ClientSurface&) = delete;
    ClientSurface& operator=(const ClientSurface&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
};

void canvasRectangle20(benchmark::State& state) {
    ClientSurface surface;
    for (auto _ : state) benchmark::DoNotOptimize(Rectangle(surface.dc(), 100, 100, 120, 120));
}
BENCHMARK(canvasRectangle20);

void canvasEllipse20(benchmark::State& state) {
    ClientSurface surface;
    for (auto _ : state) benchmark::DoNotOptimize(Ellipse(surface.dc(), 100, 100, 120, 120));
}
BENCHMARK(canvasEllipse20);

void canvasTextLine12(benchmark::State& state) {
    ClientSurface surface;
    HFONT font = CreateFontCellHeight(12);
    SelectObject(surface.dc(), font);
    const Rect box{80, 242, 200, 320};
    for (auto _ : state) benchmark::DoNotOptimize(DrawText(surface.dc(), "Tap a token to play", -1, &box, DT_LEFT));
    DeleteObject(font);
}
BENCHMARK(canvasTextLine12);

}  // namespace
