#include <algorithm>
#include <array>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "discards.h"
#include "notation.h"

namespace {

struct Sample {
    hand::Hand hand;
    hand::Conditions conditions;
};

// Random hands of 14 tiles from one set of 136: up to four declared sets (kongs among them,
// some concealed), the concealed tiles either drawn at random (far from waiting, the most
// throws) or sets and a pair with up to three tiles exchanged (near waiting, the most waits to
// score), flowers and seasons, random winds.
std::vector<Sample> randomHands(int count)
{
    std::mt19937 random(20240611);
    auto below = [&random](int n) { return int(random() % unsigned(n)); };
    std::vector<Sample> samples;
    while (int(samples.size()) < count) {
        std::array<int, hand::faceCount> wall;
        wall.fill(4);
        Sample sample;
        hand::Hand& drawn = sample.hand;
        const int declared = std::array{0, 0, 0, 1, 1, 2, 3, 4}[below(8)];
        while (int(drawn.declared.size()) < declared) {
            const hand::Face face = below(hand::faceCount);
            const int kind = below(4);
            if (kind == 0 && face < hand::firstHonour && face % 9 < 7 && wall[face] &&
                wall[face + 1] && wall[face + 2]) {
                for (int n = 0; n < 3; ++n)
                    --wall[face + n];
                drawn.declared.push_back({hand::SetKind::Chow, face, false});
            } else if (kind == 1 && wall[face] >= 3) {
                wall[face] -= 3;
                drawn.declared.push_back({hand::SetKind::Pong, face, false});
            } else if (kind >= 2 && wall[face] == 4) {
                wall[face] = 0;
                drawn.declared.push_back({hand::SetKind::Kong, face, kind == 3});
            }
        }
        auto take = [&](hand::Face face) {
            --wall[face];
            ++drawn.concealed[face];
        };
        auto takeAny = [&] {
            hand::Face face = below(hand::faceCount);
            while (wall[face] == 0)
                face = below(hand::faceCount);
            take(face);
        };
        const int concealed = 14 - 3 * declared;
        if (below(2) == 0) {
            for (int n = 0; n < concealed; ++n)
                takeAny();
        } else {
            for (int placed = 0; placed + 3 <= concealed - 2;) {
                const hand::Face face = below(hand::faceCount);
                if (below(2) == 0 && face < hand::firstHonour && face % 9 < 7 && wall[face] &&
                    wall[face + 1] && wall[face + 2]) {
                    for (int n = 0; n < 3; ++n)
                        take(face + n);
                    placed += 3;
                } else if (wall[face] >= 3) {
                    for (int n = 0; n < 3; ++n)
                        take(face);
                    placed += 3;
                }
            }
            hand::Face pair = below(hand::faceCount);
            while (wall[pair] < 2)
                pair = below(hand::faceCount);
            take(pair);
            take(pair);
            for (int n = below(4); n > 0; --n) {
                std::vector<hand::Face> held;
                for (hand::Face face = 0; face < hand::faceCount; ++face)
                    held.insert(held.end(), drawn.concealed[face], face);
                const hand::Face out = held[below(int(held.size()))];
                --drawn.concealed[out];
                ++wall[out];
                takeAny();
            }
        }
        for (bool& bonus : drawn.bonus)
            bonus = below(6) == 0;
        sample.conditions.seat = hand::Wind(below(4));
        sample.conditions.round = hand::Wind(below(4));
        sample.conditions.selfDrawn = below(3) == 0;
        samples.push_back(sample);
    }
    return samples;
}

// The processor time the program has used so far (on Windows the time since it started).
double microseconds()
{
    return double(std::clock()) * 1e6 / CLOCKS_PER_SEC;
}

// Hand after hand from the text, as zorvan-hand reads it: the suits' tables kept between
// hands, as in use.
void BM_Discards(benchmark::State& state)
{
    const std::vector<Sample> samples = randomHands(10000);
    std::vector<std::string> texts;
    for (const Sample& sample : samples)
        texts.push_back(hand::writeHand(sample.hand));
    std::size_t next = 0;
    for (auto _ : state) {
        const std::size_t i = next++ % samples.size();
        hand::DiscardsResult result = hand::findDiscards(texts[i], samples[i].conditions);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Discards);

// Every hand of a large sample on its own, with no table kept from before: each hand's time
// is the least of three runs (what the machine does beside it is not the hand's own cost),
// and the counters give the median and the slowest hand, whose notation is the label.
void BM_DiscardsEveryHand(benchmark::State& state)
{
    const std::vector<Sample> samples = randomHands(int(state.range(0)));
    std::vector<double> times(samples.size());
    std::size_t slowest = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < samples.size(); ++i) {
            double least = 1e300;
            for (int run = 0; run < 3; ++run) {
                hand::detail::forgetSuitTables();
                const double start = microseconds();
                hand::DiscardsResult result =
                    hand::findDiscards(samples[i].hand, samples[i].conditions);
                benchmark::DoNotOptimize(result);
                least = std::min(least, microseconds() - start);
            }
            times[i] = least;
        }
        slowest = std::size_t(std::max_element(times.begin(), times.end()) - times.begin());
    }
    std::vector<double> sorted = times;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    state.counters["median_us"] = sorted[sorted.size() / 2];
    state.counters["slowest_us"] = times[slowest];
    state.SetLabel(hand::writeHand(samples[slowest].hand));
}
BENCHMARK(BM_DiscardsEveryHand)->Arg(20000)->Iterations(1)->Unit(benchmark::kMillisecond);

// A hand whose every throw keeps most of a nine-way wait: the most waits to score.
void BM_DiscardsNineWay(benchmark::State& state)
{
    const hand::Conditions conditions;
    for (auto _ : state) {
        hand::detail::forgetSuitTables();
        hand::DiscardsResult result = hand::findDiscards("11123455678999m", conditions);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_DiscardsNineWay);

} // namespace
