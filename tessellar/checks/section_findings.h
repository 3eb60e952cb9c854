#pragma once
// Findings of one section: the file and section every finding of it names,
// and the list they go to.

#include <optional>
#include <string>
#include <vector>

#include "tessellar/checks/finding.h"

namespace checks {

class SectionFindings {
public:
    SectionFindings(const std::string& file, std::string section, std::vector<Finding>& out)
        : file_(file), section_(std::move(section)), out_(out) {}

    void Add(std::size_t line, FindingKind kind, std::string itemKey, std::string message, std::string hint = {},
             std::optional<Fix> fix = std::nullopt) {
        out_.push_back(Finding{file_, line, section_, std::move(itemKey), kind, std::move(message), std::move(hint),
                               std::move(fix)});
    }

private:
    const std::string& file_;
    std::string section_;
    std::vector<Finding>& out_;
};

}  // namespace checks
