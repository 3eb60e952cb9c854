#include "tessellar/canvas/pictures/picture_compiler.h"

namespace canvas {

CompiledPicture CompilePicture(std::string_view) { return {}; }

int PictureWidth(std::string_view picture) { return CompilePicture(picture).displayLength; }

}  // namespace canvas
