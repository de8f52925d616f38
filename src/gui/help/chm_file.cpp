// ChmFile over chmlib, which knows the container and its compression; the internal files it
// yields are read by the parsers beside this one.
#include "gui/help/chm_file.h"

#include <chm_lib.h>

#include "gui/help/chm_context_map.h"

namespace lunda {
namespace {

// Far above any help file; a larger length can only come from a damaged directory entry.
constexpr LONGUINT64 kMaxObjectSize = 64 * 1024 * 1024;

int CollectPath(chmFile*, chmUnitInfo* unit, void* context) {
  static_cast<std::vector<std::string>*>(context)->emplace_back(unit->path);
  return CHM_ENUMERATOR_CONTINUE;
}

}  // namespace

std::unique_ptr<ChmFile> ChmFile::Open(const std::filesystem::path& path) {
  chmFile* handle = chm_open(path.c_str());
  if (handle == nullptr) return nullptr;
  std::unique_ptr<ChmFile> file(new ChmFile(handle));
  file->system_ = ParseChmSystem(file->Read("/#SYSTEM").value_or(""));
  file->contextMap_ =
      ParseContextMap(file->Read("/#IVB").value_or(""), file->Read("/#STRINGS").value_or(""));
  return file;
}

ChmFile::~ChmFile() { chm_close(handle_); }

std::optional<std::string> ChmFile::Read(std::string_view path) const {
  chmUnitInfo unit{};
  const std::string name(path);
  if (chm_resolve_object(handle_, name.c_str(), &unit) != CHM_RESOLVE_SUCCESS) return std::nullopt;
  if (unit.length > kMaxObjectSize) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(unit.length), '\0');
  if (bytes.empty()) return bytes;
  const LONGINT64 read =
      chm_retrieve_object(handle_, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                          static_cast<LONGINT64>(unit.length));
  if (read != static_cast<LONGINT64>(unit.length)) return std::nullopt;
  return bytes;
}

std::vector<std::string> ChmFile::Paths() const {
  std::vector<std::string> paths;
  chm_enumerate(handle_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_SPECIAL | CHM_ENUMERATE_FILES,
                CollectPath, &paths);
  return paths;
}

std::optional<std::string> ChmFile::TopicForContext(std::uint32_t id) const {
  const auto found = contextMap_.find(id);
  if (found == contextMap_.end()) return std::nullopt;
  // Compilers differ: some store the topic as its path in the file, others relative to its root.
  return found->second.starts_with('/') ? found->second : '/' + found->second;
}

}  // namespace lunda
