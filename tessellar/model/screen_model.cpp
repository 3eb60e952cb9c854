#include "tessellar/model/screen_model.h"

#include <utility>

namespace model {

CScreenModel::CScreenModel(std::string name, int identifier, const program::ProgramImage* image,
                           std::uint32_t entry, std::uint32_t programModes, ModelKind kind)
    : name_(std::move(name)),
      identifier_(identifier),
      image_(image),
      entry_(entry),
      programModes_(programModes),
      kind_(kind) {}

}  // namespace model
