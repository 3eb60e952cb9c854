#pragma once
// A display: a prompt or label text of the screen, or the value of a field
// or expression shown at a screen position.

#include <cstdint>
#include <string>

#include "tessellar/model/attribute_flags.h"
#include "tessellar/model/colour_table.h"
#include "tessellar/model/field_item.h"

namespace model {

inline constexpr int kDefaultScale = 100;
inline constexpr int kMinimumScale = 50;
inline constexpr int kMaximumScale = 1000;

class CDispText : public FieldItem {
public:
    CDispText();

    std::string name;                     // the variable shown; empty for texts and expressions
    TextSource source = TextSource::None;
    TrackedText text{kNameLength};
    std::uint16_t sizeWord = 0;
    Tracked<int> scale{kDefaultScale};    // percent
    Tracked<AttributeFlags> attributes{0};
    Tracked<ColourPair> colours{ColourPair{}};
    bool dataDisplay = false;             // shows a field's or an expression's value
    bool promptMark = false;
    // Besides the border attribute, the two marks that give a value display
    // the data colours: it has an edge of its own, or it was added as a data
    // entry field.
    bool edgeMark = false;
    bool dataEntryMark = false;
    TrackedText columnTitle{kNameLength};  // its data grid column's title

    void SetName(std::string_view value) { name = platform::CutText(value, kNameLength); }

    // A prompt by its mark, or a prompt the user added.
    bool IsPrompt() const { return promptMark || identification == IdentificationKind::AddedPrompt; }
    bool HasDataMark() const {
        return dataDisplay && ((attributes.Original() & attribute::kBorder) || edgeMark || dataEntryMark);
    }

    const std::string& GridColumnTitle() const override { return columnTitle.Current(); }
    bool IsChanged() const override;
    void ResetToOriginal() override;
};

}  // namespace model
