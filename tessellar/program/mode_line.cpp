#include "tessellar/program/mode_line.h"

#include <string>
#include <vector>

#include "tessellar/program/image/chain_walk.h"
#include "tessellar/program/image/directory_entry.h"
#include "tessellar/program/image/record_fields.h"
#include "tessellar/program/image/record_layout.h"
#include "tessellar/program/mode_filter.h"
#include "tessellar/program/operand_text.h"
#include "tessellar/program/program_texts.h"

namespace program {

namespace {

model::IdentificationKind KindOfLabel(model::TextSource source) {
    return static_cast<model::IdentificationKind>(static_cast<int>(source));
}

// Label, help line and identification of a mode record; returns the label's length.
int ReadMode(DecodeContext& context, std::uint32_t mode, model::CModeItem& item) {
    const OperandValue label = OperandText(context.image, Int24Field(context.image, mode, mode_field::kLabel),
                                           context.sink);
    const OperandValue help = OperandText(context.image, Int24Field(context.image, mode, mode_field::kHelp),
                                          context.sink);
    item.label.SetBoth(label.text);
    item.help.SetBoth(platform::CutText(help.text, model::kHelpLineLength));
    item.labelSource = label.source;
    item.identification = KindOfLabel(label.source);
    if (const std::uint32_t identifier = Int24Field(context.image, mode, mode_field::kIdentifier)) {
        item.SetIdentifier(ReadString(context.image, identifier, model::kNameLength + 1));
        item.identification = model::IdentificationKind::Name;
    }
    return label.length;
}

// The names of a mode order: an empty name between two commas counts, an
// empty last one does not.
std::vector<std::string> ModeNames(std::string_view order) {
    std::vector<std::string> names;
    while (!order.empty()) {
        const std::size_t comma = order.find(texts::kModeOrderSeparator);
        names.emplace_back(order.substr(0, comma));
        if (comma == std::string_view::npos) break;
        order.remove_prefix(comma + 1);
    }
    return names;
}

}  // namespace

void DecodeScreenModes(DecodeContext& context) {
    model::CScreenModel& model = context.model;
    const model::CellPosition line = model.ModeLine();
    int column = line.column;
    const std::uint32_t first = Int24Field(context.image, context.entry, entry_field::kModeList);
    for (ChainWalk walk(context.image, first, mode_list_field::kNext); std::uint32_t element = walk.Next();) {
        const std::uint32_t mode = Int24Field(context.image, element, mode_list_field::kMode);
        if (!ModeApplies(context.image, context.entry, mode)) continue;
        model::CModeItem& item = model.AddMode();
        const int length = ReadMode(context, mode, item);
        item.width = AddColumns(length, 1);
        item.position = {line.row, column};
        column = AddColumns(column, std::int64_t{length} + 1);
    }
}

void DecodeProgramModes(DecodeContext& context, std::uint32_t firstMode) {
    for (ChainWalk walk(context.image, firstMode, mode_field::kNext); std::uint32_t mode = walk.Next();) {
        model::CModeItem& item = context.model.AddProgramMode();
        item.width = ReadMode(context, mode, item);
    }
}

void RebuildModeLine(model::CScreenModel& model, std::string_view modeNames) {
    model.SetAsideScreenModes();
    const model::CellPosition line = model.ModeLine();
    int column = line.column;
    for (const std::string& name : ModeNames(modeNames)) {
        const model::CModeItem* found = model.FindModeByIdentifier(name);
        if (found == nullptr) found = model.FindModeByIdentifier(name, model::ModeList::ProgramWide);
        model::CModeItem& item = model.AddMode();
        item.SetIdentifier(name);
        if (found != nullptr) {
            item.label.SetBoth(found->label.Original());
            item.help.SetBoth(found->help.Original());
            item.labelSource = found->labelSource;
            item.identification = found->identification;
        } else {
            item.label.SetBoth(name);
            item.identification = model::IdentificationKind::Name;
        }
        const int length = static_cast<int>(item.label.Original().size());
        item.width = length + 1;
        item.position = {line.row, column};
        column = AddColumns(column, std::int64_t{length} + 1);
    }
}

}  // namespace program
