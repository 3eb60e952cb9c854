#pragma once
// Follows one section while applying reads and applies it: pins every line
// on the override file's line, reports each block as it is applied, and at
// the end what later blocks made dead and what the screen shows spoilt.

#include <cstddef>
#include <istream>
#include <map>
#include <string>
#include <string_view>
#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

#include "tessellar/checks/block_record.h"
#include "tessellar/checks/override_sections.h"
#include "tessellar/checks/screen_touches.h"
#include "tessellar/checks/section_findings.h"
#include "tessellar/overrides/apply_section.h"

namespace checks {

class SectionTrace : public overrides::ApplyObserver {
public:
    // `body` is the stream applying reads the section's body from.
    SectionTrace(const model::CScreenModel& model, const OverrideSection& section, std::istream& body,
                 SectionFindings& findings);

    void LineRead(std::string_view line, const overrides::LineNotes& notes) override;
    void StatementApplied(const overrides::OverrideStatement& statement,
                          const overrides::StatementOutcome& outcome) override;

    // After the last statement: the values later blocks gave again, and the
    // spoilt screen.
    void Finish();

private:
    // What one statement reached: its kind, its trigger point, the item, or a
    // message text (messages are found by text, the screen by nothing).
    using Identity = std::tuple<int, int, const void*, std::string>;

    // A block that reached an item, with what it gave (one bit per key of
    // the parser's key list) and what later blocks gave again.
    struct AppliedBlock {
        std::size_t line = 0;
        overrides::OverrideStatement named;  // identifier and the keys that name it, for the finding
        std::uint64_t properties = 0;
        std::uint64_t dead = 0;
        std::vector<std::size_t> deadBy;  // the lines of the blocks that give them again
        std::map<int, std::string> values;  // each property's value as written, by its bit
    };

    void TrackRepeats(const overrides::OverrideStatement& statement, const overrides::StatementOutcome& outcome);
    void TrackTouches(const overrides::OverrideStatement& statement, const overrides::StatementOutcome& outcome);
    void ReportRepeatedKeys();
    void Forget(const void* item);

    const model::CScreenModel& model_;
    const OverrideSection& section_;
    std::istream& body_;
    SectionFindings& findings_;
    BlockRecord block_;
    bool lineEnded_ = true;  // false while the pieces of an over-long line come in
    std::vector<AppliedBlock> applied_;
    // For each item, which applied block last gave each property.
    std::map<Identity, std::vector<std::pair<int, std::size_t>>> owners_;
    ScreenTouches touches_;
};

}  // namespace checks
