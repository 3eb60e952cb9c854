#include "tessellar/program/field_lists.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "tessellar/pictures/field_picture.h"
#include "tessellar/program/field_width.h"
#include "tessellar/program/image/chain_walk.h"
#include "tessellar/program/image/directory_entry.h"
#include "tessellar/program/image/record_fields.h"
#include "tessellar/program/image/record_layout.h"
#include "tessellar/program/operand_text.h"
#include "tessellar/program/program_attributes.h"
#include "tessellar/program/program_texts.h"

namespace program {

namespace {

// Names shown by a display of the screen.
using ShownNames = std::unordered_set<std::string>;

class FieldListBuilder {
public:
    FieldListBuilder(DecodeContext& context, model::FieldList list, const ShownNames& shown)
        : context_(context), list_(list), shown_(shown) {}

    void Add(std::uint32_t variable) {
        const ProgramImage& image = context_.image;
        const std::string name = ReadString(image, Int24Field(image, variable, variable_field::kName),
                                            model::kFieldNameLength + 1);
        auto [known, added] = entries_.try_emplace(name, nullptr);
        if (added) known->second = &context_.model.AddFieldEntry(list_, name);
        model::CFieldEntry& entry = *known->second;
        const std::uint16_t size = U16Field(image, variable, variable_field::kSizeWord);
        const auto type = static_cast<char>(ByteField(image, variable, variable_field::kType));
        const std::uint8_t width = ByteField(image, variable, variable_field::kDisplayWidth);
        entry.width = width != 0 ? width : FieldWidth(size, type);
        entry.SetDefaultPicture(pictures::DefaultPictureText(size, type));
        entry.typeLetter = type;
        entry.shownByDisplay = shown_.contains(entry.name);
        entry.listed = true;
        if (list_ == model::FieldList::RecordSource) {
            const ItemAttributes attributes = MapProgramAttributes(
                U16Field(image, variable, variable_field::kAttributes), context_.geometry.screenFlags, false);
            entry.attributes = attributes.flags;
            entry.promptMark = attributes.prompt;
        }
    }

    void AddGroup(std::uint32_t group) {
        const std::uint32_t first = Int24Field(context_.image, group, group_field::kFirstElement);
        for (ChainWalk walk(context_.image, first, group_field::kElementNext); std::uint32_t element = walk.Next();) {
            Add(Int24Field(context_.image, element, group_field::kElementVariable));
        }
    }

    void AddChain(std::uint32_t first) {
        for (ChainWalk walk(context_.image, first, variable_field::kNext); std::uint32_t variable = walk.Next();) {
            Add(variable);
        }
    }

private:
    DecodeContext& context_;
    model::FieldList list_;
    const ShownNames& shown_;
    std::unordered_map<std::string, model::CFieldEntry*> entries_;  // a field met again is the same entry
};

void BuildRecordSourceList(DecodeContext& context, const ShownNames& shown) {
    const ProgramImage& image = context.image;
    FieldListBuilder builder(context, model::FieldList::RecordSource, shown);
    if (const std::uint32_t file = Int24Field(image, context.entry, entry_field::kFileDefinition)) {
        const std::uint32_t firstKey = Int24Field(image, file, file_field::kFirstKey);
        for (ChainWalk walk(image, firstKey, file_field::kKeyNext); std::uint32_t key = walk.Next();) {
            if (ByteField(image, key, file_field::kKeyFlags) & file_field::kListed) {
                builder.AddGroup(Int24Field(image, key, file_field::kKeyGroup));
            }
        }
        const std::uint32_t firstField = Int24Field(image, file, file_field::kFirstField);
        for (ChainWalk walk(image, firstField, file_field::kFieldNext); std::uint32_t field = walk.Next();) {
            const std::uint8_t flags = ByteField(image, field, file_field::kFieldFlags);
            const std::uint32_t further = Int24Field(image, field, file_field::kFieldFurther);
            const bool excluded = (ByteField(image, further, file_field::kFurtherByte) & file_field::kFurtherExcludes) != 0;
            if ((flags & file_field::kListed) && ((flags & file_field::kListedRegardless) || !excluded)) {
                builder.Add(Int24Field(image, field, file_field::kFieldVariable));
            }
        }
    } else if (const std::uint32_t group = Int24Field(image, context.entry, entry_field::kVariableGroup)) {
        context.model.SetRecordSourceCaption(StringField(image, group, group_field::kName, model::kNameLength + 1) +
                                             texts::kListCaptionEnd);
        builder.AddGroup(group);
    }
}

}  // namespace

void BuildFieldLists(DecodeContext& context, std::uint32_t programVariables) {
    ShownNames shown;
    for (const model::CDispText& display : context.model.Displays()) {
        if (!display.name.empty()) shown.insert(display.name);
    }
    BuildRecordSourceList(context, shown);
    FieldListBuilder(context, model::FieldList::ScreenLocal, shown)
        .AddChain(Int24Field(context.image, context.entry, entry_field::kLocals));
    FieldListBuilder(context, model::FieldList::Program, shown).AddChain(programVariables);
}

}  // namespace program
