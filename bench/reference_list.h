// The benchmarks' reference list: 100 books evenly spaced, groups nested to depth 9, about
// four lines in five URL entries, titles of 10-120 bytes with double-byte text, URLs of
// 30-400 bytes. The same lines from every compiler and library, for any line count.
#pragma once
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "tests/support/seeded_random.h"

constexpr size_t kReferenceLines = 65535;
constexpr size_t kReferenceBooks = 100;
constexpr int kReferenceDeepest = 9;

// The walk that makes the list one line at a time, so that a writer need not hold it.
struct ReferenceWalk {
    size_t lines = 0;   // how many the walk makes
    size_t made = 0;
    size_t nextBook = 0;
    int previousDepth = 0;
    bool previousFolder = false;
    SeededRandom rng{0x6c61726b6974ull};
    std::set<std::string> siblings[kReferenceDeepest + 1];   // titles under the open folder of each depth
};

ReferenceWalk StartReferenceList(size_t lines);

// The next line, without a line end; false once the walk has made its lines.
bool NextReferenceLine(ReferenceWalk& walk, std::string* line);

// The whole list of `lines` lines.
std::vector<std::string> MakeReferenceList(size_t lines);
