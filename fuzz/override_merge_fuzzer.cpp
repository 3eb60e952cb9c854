// Merges arbitrary generated content into an arbitrary existing override
// file. The input's first byte picks the settings (bit 0: new replaces old,
// bit 1: report only); the rest is the existing file, a NUL, and the new
// content. Whatever the bytes, the merge ends, and in report-only mode it
// writes nothing.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "promptsweep/merge_pass.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t flags = data[0];
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t split = rest.find('\0');
    const std::string_view existing = rest.substr(0, split);
    const std::string_view newContent = split == std::string_view::npos ? std::string_view() : rest.substr(split + 1);

    promptsweep::MergeSettings settings;
    settings.newReplacesOld = (flags & 0x01) != 0;
    settings.reportOnly = (flags & 0x02) != 0;
    settings.userName = "fuzz";
    settings.ascTime = "Mon Jan  1 00:00:00 2024\n";
    settings.programPath = "fuzz.op6";
    const promptsweep::MergeResult result = promptsweep::MergeOverrides(existing, newContent, settings);
    if (settings.reportOnly && !result.merged.empty()) std::abort();
    if (!result.changesMade && !result.log.empty() && !result.syntaxError) std::abort();
    return 0;
}
