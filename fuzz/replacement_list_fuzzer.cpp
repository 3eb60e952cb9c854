// Parses arbitrary bytes as the batch tool's specification list. Whatever
// the bytes, the parse ends, every pair fits a text slot, and a list that
// parses correctly has exactly one pair per piece.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "promptsweep/replacement_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const promptsweep::ReplacementList list = promptsweep::ParseReplacementList(content);
    for (const promptsweep::ReplacementPair& pair : list.pairs) {
        if (pair.find.size() > promptsweep::kTextCapacity || pair.replace.size() > promptsweep::kTextCapacity) {
            std::abort();
        }
    }
    if (list.ok && (list.pairs.empty() || !list.output.empty())) std::abort();
    return 0;
}
