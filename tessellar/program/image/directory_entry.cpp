#include "tessellar/program/image/directory_entry.h"

#include "tessellar/program/program_texts.h"

namespace program {

EntryClass ClassifyEntry(const ProgramImage& image, std::uint32_t entry) {
    const std::uint64_t base = entry;
    const std::uint8_t kind = ReadByte(image, base + entry_field::kKind) & 0x03;
    const std::uint8_t flags = ReadByte(image, base + entry_field::kScreenFlags);
    if (kind == 1) {
        if (flags & kScreenFlagDataGrid) return EntryClass::DataGrid;
        return (flags & kScreenFlagReview) ? EntryClass::ReviewScreen : EntryClass::Screen;
    }
    if (kind == 2) return EntryClass::Menu;
    const bool hasContent = ReadU24(image, base + entry_field::kVariableGroup) != 0 ||
                            ReadU24(image, base + entry_field::kFileDefinition) != 0 ||
                            ReadU24(image, base + entry_field::kBody) != 0 ||
                            ReadU24(image, base + entry_field::kDetail) != 0;
    return hasContent ? EntryClass::Procedure : EntryClass::NotListed;
}

const char* EntryTypeText(EntryClass entryClass) {
    switch (entryClass) {
        case EntryClass::Screen: return texts::kTypeScreen;
        case EntryClass::ReviewScreen: return texts::kTypeReviewScreen;
        case EntryClass::DataGrid: return texts::kTypeDataGrid;
        case EntryClass::Menu: return texts::kTypeMenu;
        case EntryClass::Procedure: return texts::kTypeProcedure;
        case EntryClass::NotListed: break;
    }
    return "";
}

std::string ReadEntryName(const ProgramImage& image, std::uint32_t entry) {
    return ReadString(image, ReadU24(image, std::uint64_t{entry} + entry_field::kName), kNameCapacity);
}

}  // namespace program
