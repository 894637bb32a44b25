#include <QApplication>
#include <QCheckBox>

#include <benchmark/benchmark.h>

#include "calculatorwindow.h"
#include "fancount.h"
#include "module1.h"
#include "pointscount.h"
#include "pointsworking.h"
#include "windowscale.h"

namespace {

// A busy but valid hand: two open pongs, a closed kong of terminals, a pair, self pick,
// all pongs, two flowers and an FA from own seat.
BoxValues sampleSheet()
{
    BoxValues boxes{};
    for (int box : {2, 3, 30, 50, 52, 54, 61})
        boxes[box] = 1;
    return boxes;
}

void BM_PointsCount(benchmark::State& state)
{
    const BoxValues boxes = sampleSheet();
    for (auto _ : state) {
        benchmark::DoNotOptimize(boxes);
        benchmark::DoNotOptimize(countPoints(boxes, 2, 500));
    }
}
BENCHMARK(BM_PointsCount);

// Built only when a tooltip or a screen reader asks for it.
void BM_ExplainCount(benchmark::State& state)
{
    const BoxValues boxes = sampleSheet();
    for (auto _ : state)
        benchmark::DoNotOptimize(explainCount(boxes, 2, 500, false));
}
BENCHMARK(BM_ExplainCount);

void BM_FanCount(benchmark::State& state)
{
    TileSelection selected{};
    for (int picture : {1, 5, 9, 13, 16, 17})
        selected[picture - 1] = true;
    FanBoxValues boxes{};
    boxes[1] = boxes[5] = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(selected);
        benchmark::DoNotOptimize(countFans(selected, boxes));
    }
}
BENCHMARK(BM_FanCount);

void BM_FullRecount(benchmark::State& state)
{
    CalculatorWindow window;
    const BoxValues boxes = sampleSheet();
    Module1::tablelimit = 500;
    for (int n = 1; n <= lastBox; ++n) {
        if (boxes[n] == 1)
            window.findChild<QCheckBox*>(QStringLiteral("Check%1").arg(n))->setChecked(true);
    }
    for (auto _ : state)
        window.tonen();
}
BENCHMARK(BM_FullRecount);

// Start-up measures every caption of both windows once, before the first window exists.
void BM_DesignScaleFor(benchmark::State& state)
{
    const QFont font = QApplication::font();
    for (auto _ : state)
        benchmark::DoNotOptimize(designScaleFor(font));
}
BENCHMARK(BM_DesignScaleFor);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
