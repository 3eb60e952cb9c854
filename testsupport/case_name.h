#pragma once

// Names parameterised test rows after the sentence that says why the row is
// there: "a lost snapshot leaves the work file" becomes
// "ALostSnapshotLeavesTheWorkFile". Without a generator GoogleTest names a row
// by its object bytes, which change from build to build and say nothing.

#include <cctype>
#include <string>
#include <string_view>

namespace testsupport {

inline std::string CaseName(std::string_view words) {
    std::string name;
    bool wordStart = true;
    for (const char c : words) {
        const auto byte = static_cast<unsigned char>(c);
        if (!std::isalnum(byte)) {
            wordStart = true;
            continue;
        }
        name += wordStart ? static_cast<char>(std::toupper(byte)) : c;
        wordStart = false;
    }
    return name.empty() ? std::string("Unnamed") : name;
}

// The generator for rows that carry their reason in a `why` field.
struct ByWhy {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return CaseName(info.param.why);
    }
};

}  // namespace testsupport
