// Any bytes as bookmark HTML: every entry stays on one line of a well-shaped list, and what was read,
// exported and read again is the same lines, with nothing changed or left out on the way.
#include <cstdint>

#include "core/bookmark_html.h"
#include "fuzz/fuzz_check.h"
#include "tests/core/test_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ImportResult read = ReadBookmarkHtml(std::string_view(reinterpret_cast<const char*>(data), size), kTestCodec, 65535);
    if (read.status != ImportStatus::Done) return 0;
    CheckImportLines(read.lines, '0');
    for (const std::string& line : read.lines)
        if (static_cast<unsigned char>(line[0]) == 0xFF) return 0;   // below that depth, nesting is flattened
    size_t replaced = 1;
    ImportResult back = ReadBookmarkHtml(WriteBookmarkHtml(read.lines, kTestCodec, &replaced), kTestCodec, 65535);
    Check(replaced == 0 && back.lines == read.lines, "an export reads back as the lines it was written from");
    Check(back.counts.titlesChanged + back.counts.urlsChanged + back.counts.leftOut == 0, "nothing changed on the way");
    return 0;
}
