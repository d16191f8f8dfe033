// Figures of the real program in its own process: the CPU time it uses while it idles as a
// docked, auto-hiding bar and while a companion request waits, and its peak working set.
#pragma once
#include <string>

// Starts larkit.exe (from beside the benchmark) in `folder`, which holds the list, measures,
// and ends it. False when it could not be started or did not load the list.
bool MeasureProgramProcess(const std::wstring& folder, size_t listLines);
