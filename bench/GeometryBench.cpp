// The hot paths of hatching: the inside test of crossing midpoints against the
// 73- and 147-corner outlines of circular and ring solids (angle sum and fast
// path), and the segment intersection behind every straight crossing.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "geometry/MyFunc.h"

namespace rv17 {

namespace {

struct Outline {
    std::vector<double> x, y;
    void Add(PlanePoint p) {
        x.push_back(p.X);
        y.push_back(p.Y);
    }
};

// 73 corners: a whole tilted ellipse in 5-degree steps, as the circular solids
// build it. 147 corners: a whole ring, outer edge out and inner edge back.
Outline SolidOutline(int corners) {
    Outline outline;
    if (corners == 73) {
        double angle = 0.0;
        for (int i = 0; i <= 72; ++i, angle += 2 * kPi / 72) {
            outline.Add(EllipsePoint(120.0, 80.0, 40.0, 0.6, 0.3, angle));
        }
        return outline;
    }
    for (int i = 0; i <= 72; ++i)
        outline.Add(EllipsePoint(120.0, 80.0, 40.0, 1, 0, i * 2 * kPi / 72));
    for (int i = 0; i <= 72; ++i) {
        outline.Add(EllipsePoint(120.0, 80.0, 25.0, 1, 0, 2 * kPi - i * 2 * kPi / 72));
    }
    outline.Add({outline.x.front(), outline.y.front()});
    return outline;
}

// Midpoints of hatch pieces: points across the solid's box, inside and out.
std::vector<PlanePoint> Probes() {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> x(75.0, 165.0), y(35.0, 125.0);
    std::vector<PlanePoint> probes(1024);
    for (PlanePoint& p : probes) p = {x(random), y(random)};
    return probes;
}

template <PolygonPosition (*Test)(int, const double*, const double*, double, double)>
void InsideTest(benchmark::State& state) {
    const Outline outline = SolidOutline(static_cast<int>(state.range(0)));
    const std::vector<PlanePoint> probes = Probes();
    const int n = static_cast<int>(outline.x.size());
    std::size_t next = 0;
    for (auto _ : state) {
        const PlanePoint p = probes[next++ % probes.size()];
        benchmark::DoNotOptimize(Test(n, outline.x.data(), outline.y.data(), p.X, p.Y));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_PointInPolygon(benchmark::State& state) { InsideTest<PointInPolygon>(state); }
void BM_PointInPolygonFast(benchmark::State& state) { InsideTest<PointInPolygonFast>(state); }
BENCHMARK(BM_PointInPolygon)->Arg(73)->Arg(147);
BENCHMARK(BM_PointInPolygonFast)->Arg(73)->Arg(147);

void BM_SegmentIntersection(benchmark::State& state) {
    std::mt19937_64 random(8);
    std::uniform_real_distribution<double> coordinate(-100.0, 100.0);
    std::vector<double> values(8 * 1024);
    for (double& v : values) v = coordinate(random);
    std::size_t next = 0;
    for (auto _ : state) {
        const double* s = &values[8 * (next++ % 1024)];
        benchmark::DoNotOptimize(
            SegmentIntersection(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SegmentIntersection);

}  // namespace

}  // namespace rv17

BENCHMARK_MAIN();
