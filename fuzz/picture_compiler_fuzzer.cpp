// Compiles arbitrary bytes as a picture the user typed, and expands its
// repeat counts. Whatever the bytes, this must end without a crash, within
// bounded memory, and with a result that keeps the compiler's promises.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tessellar/canvas/pictures/field_picture.h"
#include "tessellar/canvas/pictures/picture_compiler.h"

namespace {

void Check(bool promise) {
    if (!promise) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view picture(reinterpret_cast<const char*>(data), size);

    const canvas::CompiledPicture compiled = canvas::CompilePicture(picture);
    Check(compiled.displayLength >= 0);
    Check(compiled.editMask.size() <= canvas::kMaxEditMaskLength);
    if (compiled.status == canvas::PictureStatus::Invalid) {
        Check(compiled.typeWord == 0 && compiled.editMask.empty());
    } else {
        Check(compiled.typeWord != 0 || compiled.pictureClass != canvas::kAlphanumericPicture);
    }
    if (compiled.status == canvas::PictureStatus::Plain) Check(compiled.editMask.empty());

    const std::string expanded = canvas::ExpandRepeatCounts(picture);
    Check(expanded.size() <= canvas::kMaxExpandedLength + size + 1);
    canvas::CompilePicture(expanded);

    const std::string own = canvas::PictureForField('N', 0x14A2, picture, canvas::PictureForm::Expanded);
    Check(own.size() <= canvas::kMaxExpandedLength + size + 1);
    return 0;
}
