// Compiles arbitrary bytes as a picture the user typed, and expands its
// repeat counts. Whatever the bytes, this must end without a crash, within
// bounded memory, and with a result that keeps the compiler's promises.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tessellar/pictures/field_picture.h"
#include "tessellar/pictures/picture_compiler.h"

namespace {

void Check(bool promise) {
    if (!promise) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view picture(reinterpret_cast<const char*>(data), size);

    const pictures::CompiledPicture compiled = pictures::CompilePicture(picture);
    Check(compiled.displayLength >= 0);
    Check(compiled.editMask.size() <= pictures::kMaxEditMaskLength);
    if (compiled.status == pictures::PictureStatus::Invalid) {
        Check(compiled.typeWord == 0 && compiled.editMask.empty());
    } else {
        Check(compiled.typeWord != 0 || compiled.pictureClass != pictures::kAlphanumericPicture);
    }
    if (compiled.status == pictures::PictureStatus::Plain) Check(compiled.editMask.empty());

    const std::string expanded = pictures::ExpandRepeatCounts(picture);
    Check(expanded.size() <= pictures::kMaxExpandedLength + size + 1);
    pictures::CompilePicture(expanded);

    const std::string own = pictures::PictureForField('N', 0x14A2, picture, pictures::PictureForm::Expanded);
    Check(own.size() <= pictures::kMaxExpandedLength + size + 1);
    return 0;
}
