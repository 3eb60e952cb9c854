#pragma once
// One listed screen, menu or procedure: created undecoded when the program
// browser lists its row, decoded into its frame and items on first use.

#include <cstdint>
#include <string>

#include "tessellar/program/image/program_image.h"

namespace model {

// What the model draws: the code keeps the values the compiled program uses.
enum class ModelKind : int { Procedure = 1, Screen = 2, Menu = 3 };

class CScreenModel {
public:
    CScreenModel(std::string name, int identifier, const program::ProgramImage* image,
                 std::uint32_t entry, std::uint32_t programModes, ModelKind kind);

    const std::string& Name() const { return name_; }
    int Identifier() const { return identifier_; }
    const program::ProgramImage* Image() const { return image_; }
    std::uint32_t Entry() const { return entry_; }
    std::uint32_t ProgramModes() const { return programModes_; }
    ModelKind Kind() const { return kind_; }

    bool NeedsDecoding() const { return needsDecoding_; }
    void SetNeedsDecoding(bool needs) { needsDecoding_ = needs; }

    // Set while the user edits this entry's override section in a text editor.
    bool EditWindowOpen() const { return editWindowOpen_; }
    void SetEditWindowOpen(bool open) { editWindowOpen_ = open; }

private:
    std::string name_;
    int identifier_;
    const program::ProgramImage* image_;  // not owned
    std::uint32_t entry_;                 // the DirectoryEntry's offset in the image
    std::uint32_t programModes_;          // the program-wide mode chain
    ModelKind kind_;
    bool needsDecoding_ = true;
    bool editWindowOpen_ = false;
};

}  // namespace model
