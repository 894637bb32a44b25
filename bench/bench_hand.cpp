#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "deal.h"
#include "handediting.h"
#include "handengine.h"
#include "notation.h"

namespace {

struct Sample {
    std::string text;
    hand::Conditions conditions;
};

// Random hands of four sets and a pair drawn from one set of 136 tiles: some sets declared
// (kongs always), a few bonus tiles, random winds and ways of winning. A waiting hand is a
// finished one with a concealed tile taken away, so it is usually but not always ready.
std::vector<Sample> randomHands(int count, bool waiting)
{
    std::mt19937 random(20240611);
    auto below = [&random](int n) { return int(random() % unsigned(n)); };
    std::vector<Sample> samples;
    while (int(samples.size()) < count) {
        std::array<int, hand::faceCount> wall;
        wall.fill(4);
        hand::Hand drawn;
        for (int sets = 0; sets < 4;) {
            const hand::Face face = below(hand::faceCount);
            const int kind = below(20);
            if (kind < 11) { // a chow
                if (face >= hand::firstHonour || face % 9 > 6 || !wall[face] || !wall[face + 1] ||
                    !wall[face + 2])
                    continue;
                for (int n = 0; n < 3; ++n)
                    --wall[face + n];
                if (below(4) == 0)
                    drawn.declared.push_back({hand::SetKind::Chow, face, false});
                else
                    for (int n = 0; n < 3; ++n)
                        ++drawn.concealed[face + n];
            } else if (kind < 19) { // a pong
                if (wall[face] < 3)
                    continue;
                wall[face] -= 3;
                if (below(4) == 0)
                    drawn.declared.push_back({hand::SetKind::Pong, face, false});
                else
                    drawn.concealed[face] += 3;
            } else { // a kong
                if (wall[face] < 4)
                    continue;
                wall[face] = 0;
                drawn.declared.push_back({hand::SetKind::Kong, face, below(2) == 0});
            }
            ++sets;
        }
        hand::Face pair = below(hand::faceCount);
        while (wall[pair] < 2)
            pair = below(hand::faceCount);
        drawn.concealed[pair] += 2;
        // Take away one concealed tile: the winning tile, or gone for a waiting hand.
        std::vector<hand::Face> concealed;
        for (hand::Face face = 0; face < hand::faceCount; ++face)
            concealed.insert(concealed.end(), drawn.concealed[face], face);
        const hand::Face taken = concealed[below(int(concealed.size()))];
        --drawn.concealed[taken];
        if (!waiting)
            drawn.winning = taken;
        for (bool& bonus : drawn.bonus)
            bonus = below(6) == 0;
        hand::Conditions conditions;
        conditions.seat = hand::Wind(below(4));
        conditions.round = hand::Wind(below(4));
        conditions.selfDrawn = below(3) == 0;
        conditions.lastTile = below(10) == 0;
        samples.push_back({hand::writeHand(drawn), conditions});
    }
    return samples;
}

// From the text to the result: the notation, every reading, the one-chance waits, both fills,
// both counts and the working of the chosen reading.
void BM_HandRead(benchmark::State& state)
{
    const std::vector<Sample> samples = randomHands(1000, false);
    std::size_t next = 0;
    for (auto _ : state) {
        const Sample& sample = samples[next++ % samples.size()];
        hand::HandResult result = hand::readHand(sample.text, sample.conditions);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_HandRead);

// Every winning tile of a 13-tile hand, each scored on a discard and self-picked.
void BM_HandWaits(benchmark::State& state)
{
    const std::vector<Sample> samples = randomHands(1000, true);
    std::size_t next = 0;
    for (auto _ : state) {
        const Sample& sample = samples[next++ % samples.size()];
        hand::WaitsResult result = hand::findWaits(sample.text, sample.conditions);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_HandWaits);

// The nine-way wait, about the most a hand can wait on.
void BM_HandWaitsNineWay(benchmark::State& state)
{
    const hand::Conditions conditions;
    for (auto _ : state) {
        hand::WaitsResult result = hand::findWaits("1112345678999m", conditions);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_HandWaitsNineWay);

// The palette as tile entry offers it after every click: which of the 42 tiles a click may add,
// in one mode, for a random 13-tile hand (each tile tried as an edit of the hand).
void BM_HandAddableTiles(benchmark::State& state)
{
    const auto mode = static_cast<hand::EntryMode>(state.range(0));
    std::vector<hand::Hand> hands;
    for (const Sample& sample : randomHands(1000, true))
        hands.push_back(hand::parseHand(sample.text, hand::WinningTile::Optional).hand);
    std::size_t next = 0;
    for (auto _ : state) {
        auto addable = hand::addableTiles(hands[next++ % hands.size()], mode);
        benchmark::DoNotOptimize(addable);
    }
}
BENCHMARK(BM_HandAddableTiles)
    ->Arg(static_cast<int>(hand::EntryMode::Tile))
    ->Arg(static_cast<int>(hand::EntryMode::Pong));

// A dealt hand at each level: every draw that does not keep to the level is scored and
// drawn again, so the first level, which throws away the most, costs the most.
void BM_Deal(benchmark::State& state)
{
    const auto level = static_cast<hand::DealLevel>(state.range(0));
    std::uint64_t seed = 0;
    for (auto _ : state) {
        hand::Deal dealt = hand::deal(level, seed++);
        benchmark::DoNotOptimize(dealt);
    }
}
BENCHMARK(BM_Deal)->DenseRange(1, 3);

} // namespace
