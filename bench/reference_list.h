// The benchmarks' reference list: 100 books evenly spaced, groups nested to depth 9, about
// four lines in five URL entries, titles of 10-120 bytes with double-byte text, URLs of
// 30-400 bytes. The same lines from every compiler and library, for any line count.
#pragma once
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

constexpr size_t kReferenceLines = 65535;
constexpr size_t kReferenceBooks = 100;
constexpr int kReferenceDeepest = 9;

// SplitMix64: the same numbers everywhere, unlike the <random> distributions.
struct BenchRandom {
    uint64_t state;
    uint64_t Next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }
    bool Chance(int percent) { return Below(100) < static_cast<size_t>(percent); }
};

// The walk that makes the list one line at a time, so that a writer need not hold it.
struct ReferenceWalk {
    size_t lines = 0;   // how many the walk makes
    size_t made = 0;
    size_t nextBook = 0;
    int previousDepth = 0;
    bool previousFolder = false;
    BenchRandom rng{0x6c61726b6974ull};
    std::set<std::string> siblings[kReferenceDeepest + 1];   // titles under the open folder of each depth
};

ReferenceWalk StartReferenceList(size_t lines);

// The next line, without a line end; false once the walk has made its lines.
bool NextReferenceLine(ReferenceWalk& walk, std::string* line);

// The whole list of `lines` lines.
std::vector<std::string> MakeReferenceList(size_t lines);
