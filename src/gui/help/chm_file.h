// A compiled HTML Help file (CHM) read through chmlib: its files by path, its settings and its
// context map.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gui/help/chm_system.h"

struct chmFile;

namespace lunda {

class ChmFile {
 public:
  // Null when the file cannot be opened or is no CHM.
  [[nodiscard]] static std::unique_ptr<ChmFile> Open(const std::filesystem::path& path);
  ~ChmFile();
  ChmFile(const ChmFile&) = delete;
  ChmFile& operator=(const ChmFile&) = delete;

  // The bytes of the file at path inside the CHM ("/main-window.htm"; letter case does not
  // matter), or nothing when there is no such file or it cannot be read whole.
  [[nodiscard]] std::optional<std::string> Read(std::string_view path) const;
  // The paths of every file the CHM holds, its own internal files ("/#SYSTEM") included; no
  // folders and none of the container's storage entries.
  [[nodiscard]] std::vector<std::string> Paths() const;

  [[nodiscard]] const ChmSystem& System() const { return system_; }
  // The context map: id to the topic as the file stores it.
  [[nodiscard]] const std::map<std::uint32_t, std::string>& ContextMap() const {
    return contextMap_;
  }
  // The topic of a context id as a path inside the CHM, or nothing when the id is not mapped.
  [[nodiscard]] std::optional<std::string> TopicForContext(std::uint32_t id) const;

 private:
  explicit ChmFile(chmFile* handle) : handle_(handle) {}

  chmFile* handle_;
  ChmSystem system_;
  std::map<std::uint32_t, std::string> contextMap_;
};

}  // namespace lunda
