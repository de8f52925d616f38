// Data files compiled into the program: the dialog templates, the string table and the icon
// of res/, the same bytes for every backend.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace lunda {

struct EmbeddedFile {
  const char* name;  // the path under res/, e.g. "dialogs/102.json"
  const unsigned char* data;
  std::size_t size;
};

// The bytes of a file, or nothing when no set has it.
[[nodiscard]] std::optional<std::string_view> EmbeddedResource(std::string_view name);

// Adds files to the ones EmbeddedResource finds, for data that lives outside res/ (a test's own
// templates); the files must outlive the program's use of them.
class EmbeddedResourceSet {
 public:
  explicit EmbeddedResourceSet(std::span<const EmbeddedFile> files);
};

}  // namespace lunda
