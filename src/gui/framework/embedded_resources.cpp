// The lookup over the application's files and the sets registered beside them.
#include "gui/framework/embedded_resources.h"

#include <vector>

namespace lunda {
namespace {

// Generated from res/ at configure time (cmake/embed_resources.cmake): kFiles.
#include "lunda_resources.inc"

std::vector<std::span<const EmbeddedFile>>& ExtraSets() {
  static std::vector<std::span<const EmbeddedFile>> sets;
  return sets;
}

std::optional<std::string_view> Find(std::span<const EmbeddedFile> files, std::string_view name) {
  for (const EmbeddedFile& file : files) {
    if (name == file.name)
      return std::string_view(reinterpret_cast<const char*>(file.data), file.size);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string_view> EmbeddedResource(std::string_view name) {
  if (auto found = Find(kFiles, name)) return found;
  for (const std::span<const EmbeddedFile> set : ExtraSets()) {
    if (auto found = Find(set, name)) return found;
  }
  return std::nullopt;
}

EmbeddedResourceSet::EmbeddedResourceSet(std::span<const EmbeddedFile> files) {
  ExtraSets().push_back(files);
}

}  // namespace lunda
