#pragma once
// One statement of a section, as read: which item it names and which of the
// item's properties it replaces. Everything starts "not given".

#include <string>

#include "tessellar/model/colour_table.h"

namespace overrides {

// The codes of the item keywords.
enum class StatementKind : int {
    None = -1,
    Display = 1,
    Accept = 2,
    Option = 3,
    Mode = 4,
    Trigger = 13,
    Confirm = 15,
    Window = 16,
    Box = 19,
    Message = 25,
};

// Identification kinds a statement may carry (model::IdentificationKind
// values), and none.
inline constexpr int kNoIdentification = -1;

// The value of suppress, add and readonly: not given, false or true.
inline constexpr int kNotGiven = -1;

inline constexpr std::size_t kTextLength = 79;
inline constexpr std::size_t kListLength = 419;  // filter, allowed, disallowed, run
inline constexpr std::size_t kHelplineRawLength = 99;
inline constexpr std::size_t kHelplineLength = 98;

struct ItemIdentifier {
    StatementKind statementKind = StatementKind::None;
    int identificationKind = kNoIdentification;  // 1 name .. 6 added display
    std::string text;                             // name or original text
    int tag = -1;
    int row = -1;  // original row and column
    int column = -1;
    // The batch tool names an item by its text (or name) and its compiled
    // coordinate together: which of the two the block gave besides the
    // kind its last identifier line decided.
    int textKind = kNoIdentification;  // 1 or 2: the last name or orig_text line
    bool coordinateNamed = false;      // an orig_coordinate line was read
};

struct ItemOverrides {
    int suppressed = kNotGiven;
    int added = kNotGiven;
    int readOnly = kNotGiven;
    int defaultKind = 0;
    int row = -1;  // the `coordinate` pair
    int column = -1;
    int windowWidth = 0;
    int windowHeight = 0;
    int scale = -1;
    long long attributes = -1;  // attribute flags, -1 when not given
    bool prompt = false;        // with the attributes: whether they name the prompt mark
    std::string defaultText;
    std::string filter;
    std::string allowed;
    std::string disallowed;
    std::string picture;
    std::string columnNumber;
    std::string text;
    std::string title;
    std::string helpline;
    std::string newPromptText;
    model::ColourPair colours;
    int newPromptRow = -1;
    int newPromptColumn = -1;

    bool defaultGiven = false;
    bool filterGiven = false;
    bool allowedGiven = false;
    bool disallowedGiven = false;
    bool pictureGiven = false;
    bool columnNumberGiven = false;
    bool colourGiven = false;
    bool textGiven = false;
    bool titleGiven = false;
    bool helplineGiven = false;
    bool coordinateGiven = false;
    bool windowSizeGiven = false;
    bool newPromptTextGiven = false;
    bool newPromptCoordinateGiven = false;
    // Set by any tag, name, orig_text or orig_coordinate line.
    bool hasExplicitIdentifier = false;
};

struct TriggerOverride {
    int point = -1;  // trigger point code
    int type = -1;   // trigger type code
    std::string run;
};

struct OverrideStatement {
    ItemIdentifier identifier;
    ItemOverrides overrides;
    TriggerOverride trigger;

    // Back to the empty statement, of the given kind.
    void Reset(StatementKind kind = StatementKind::None) {
        *this = OverrideStatement{};
        identifier.statementKind = kind;
    }
};

}  // namespace overrides
