#include "tools/opimage/image.h"

namespace opimage {

Image Write(const Program&) { return {}; }

bool WriteFile(const Program&, const std::filesystem::path&, std::string& error) {
  error = "not written yet";
  return false;
}

bool WriteFile(const Program& program, const std::filesystem::path& path) {
  std::string error;
  return WriteFile(program, path, error);
}

}  // namespace opimage
