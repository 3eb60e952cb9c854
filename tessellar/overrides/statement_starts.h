#pragma once
// Where the statements of a section body start, so that a body changed in
// one place can be applied again from the statement the change begins in.
// Applying a statement depends on the items as the statements before it
// left them and on its own lines only (a keyword line starts it afresh),
// so a body that keeps its first statements line for line gives, up to
// there, the items it gave before.
//
// Statement 0 is the lines before the first keyword line, at offset 0; each
// later one starts at its keyword line, as the line reader splits the body.

#include <cstddef>
#include <string_view>
#include <vector>

namespace overrides {

class StatementStarts {
public:
    StatementStarts() : offsets_{0} {}

    std::size_t Count() const { return offsets_.size(); }
    std::size_t Offset(std::size_t statement) const { return offsets_[statement]; }

    // The last statement of `before` (the body these starts were found in)
    // from which `after` may be applied again: every statement ahead of it
    // has the same lines in both bodies, and its keyword line is the same
    // in both, at the same offset.
    std::size_t ResumePoint(std::string_view before, std::string_view after) const;

    // Forgets the starts from `statement` on (statement 0 always stays),
    // for the part of the body about to be applied again.
    void KeepBefore(std::size_t statement) { offsets_.resize(statement > 0 ? statement : 1); }
    // A keyword line met while applying, at this offset of the body.
    void Add(std::size_t offset) { offsets_.push_back(offset); }

private:
    std::vector<std::size_t> offsets_;
};

}  // namespace overrides
