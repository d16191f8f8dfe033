// Removing a scratch folder with everything in it (tests and benchmarks).
#pragma once
#include <string>

void RemoveFolder(const std::wstring& folder);
