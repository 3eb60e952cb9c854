#pragma once
// An entry field: a variable the program accepts at a screen position.

#include <cstdint>
#include <string>

#include "tessellar/model/field_item.h"

namespace model {

// Whether the user's value list of a field allows or forbids its values.
inline constexpr int kUserListAllowed = 20;
inline constexpr int kUserListDisallowed = 21;

class CAcceptFld : public FieldItem {
public:
    CAcceptFld();

    std::string name;                     // the variable's name, subscripted when shown so
    std::uint16_t sizeWord = 0;           // the variable's
    std::uint16_t attributeWord = 0;      // the variable's program attribute word
    TrackedText help{kHelpLineLength};
    TrackedText title{kNameLength};
    bool titled = false;
    TrackedText defaultValue{kNameLength};
    Tracked<int> defaultKind{0};          // 0 literal, 1 field name or number, 2 system value
    TrackedText filter{kFilterLength};
    TrackedText allowed{kValueListLength};     // "Allowed - ..." as compiled
    TrackedText disallowed{kValueListLength};  // "Disallowed - ..." as compiled
    int userListSense = 0;                // kUserListAllowed, kUserListDisallowed, 0 = none
    bool suppressedInProgram = false;
    Tracked<bool> readOnly{false};

    void SetName(std::string_view text) { name = platform::CutText(text, kNameLength); }

    const std::string& GridColumnTitle() const override { return title.Current(); }
    bool IsChanged() const override;
    void ResetToOriginal() override;
};

}  // namespace model
