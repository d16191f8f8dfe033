// Any bytes as a profile's Bookmarks file: nothing throws, and what is read is one Book of one-line
// entries in a well-shaped list.
#include <cstdint>

#include "core/profile_bookmarks.h"
#include "fuzz/fuzz_check.h"
#include "tests/core/test_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ImportResult read = ReadProfileBookmarks(std::string_view(reinterpret_cast<const char*>(data), size), "B",
                                             kTestCodec, 65535);
    if (read.status != ImportStatus::Done) return 0;
    Check(!read.lines.empty() && read.lines[0] == "0B\\", "the Book comes first");
    CheckImportLines(read.lines, '0');
    return 0;
}
