#pragma once

#include <array>
#include <cstdint>

// The deals' random numbers: a seed says the whole hand on every platform and compiler.
namespace hand::detail {

// xoshiro256** seeded through splitmix64: both are fixed integer arithmetic, so a seed gives
// the same numbers everywhere, which no standard library engine and distribution promise.
class Random {
public:
    explicit Random(std::uint64_t seed)
    {
        for (std::uint64_t& word : m_state)
            word = splitmix(seed);
    }

    std::uint64_t next()
    {
        const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
        const std::uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotl(m_state[3], 45);
        return result;
    }

    // From 0 to bound - 1, each equally likely: draws below 2^64 mod bound are thrown away,
    // so that the rest fall evenly on every remainder.
    int below(int bound)
    {
        const auto n = static_cast<std::uint64_t>(bound);
        const std::uint64_t uneven = (0 - n) % n;
        for (;;) {
            const std::uint64_t r = next();
            if (r >= uneven)
                return static_cast<int>(r % n);
        }
    }

    bool percent(int chance) { return below(100) < chance; }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    static std::uint64_t splitmix(std::uint64_t& x)
    {
        std::uint64_t z = (x += 0x9e3779b97f4a7c15);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
        z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
        return z ^ (z >> 31);
    }

    std::array<std::uint64_t, 4> m_state{};
};

} // namespace hand::detail
