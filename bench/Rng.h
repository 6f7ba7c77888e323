// splitmix64 with a fixed seed: every run of a benchmark builds the same names.
#pragma once
#include <cstddef>
#include <cstdint>

class Rng {
public:
    explicit Rng(uint64_t seed) : m_state(seed) {}
    uint64_t Next() {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }
    template <size_t N>
    const char* Pick(const char* const (&items)[N]) { return items[Below(N)]; }

private:
    uint64_t m_state;
};
