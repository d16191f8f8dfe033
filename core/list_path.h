// Where the "datafile" setting puts the list file.
#pragma once
#include <string>
#include <string_view>

// True for a value that names a file wherever the program runs: a drive path ("X:\", "X:/")
// or a network share ("\\server\").
bool IsAbsoluteDataFile(std::wstring_view datafile);

// The list file's path for a "datafile" value: an absolute value as it is, any other inside
// `programDir`. Every '/' becomes '\', so that the path splits into folder and name and takes
// the long-path prefix.
std::wstring ListFilePathFor(std::wstring_view programDir, std::wstring_view datafile);
