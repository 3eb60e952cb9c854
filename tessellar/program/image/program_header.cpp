#include "tessellar/program/image/program_header.h"

namespace program {

ProgramHeader ReadProgramHeader(const ProgramImage& image) {
    ProgramHeader header;
    header.firstEntry = ReadU24(image, header_field::kFirstEntry);
    header.globals = ReadU24(image, header_field::kGlobals);
    header.programModes = ReadU24(image, header_field::kProgramModes);
    header.textTable = ReadU24(image, header_field::kTextTable);
    header.magic = ReadU32(image, header_field::kMagic);
    header.textCount = ReadU16(image, header_field::kTextCount);
    header.totalSize = ReadU32(image, header_field::kTotalSize);
    return header;
}

}  // namespace program
