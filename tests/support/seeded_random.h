// Random numbers from a seed (SplitMix64): the same sequence from every compiler, unlike <random>.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct SeededRandom {
    uint64_t state;
    uint64_t Next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(Next() % n); }   // 0 to n - 1
    bool Chance(int percent) { return Below(100) < static_cast<size_t>(percent); }
    template <typename T> const T& Pick(const std::vector<T>& from) { return from[Below(from.size())]; }
};
