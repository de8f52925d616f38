// Whole-or-nothing file output through a temporary file and a rename.
#include "cli/atomic_file.h"

#include <fstream>
#include <random>

namespace lunda::cli {
namespace {

namespace fs = std::filesystem;

fs::path TemporaryBeside(const fs::path& target) {
  std::random_device random;
  fs::path temporary = target;
  temporary += ".tmp" + std::to_string(random());
  return temporary;
}

// Built by appending: GCC 12 reports a false -Wrestrict for "'" + string + "'" when optimising.
std::string Quoted(const fs::path& path) {
  std::string text(1, '\'');
  text.append(path.string()).push_back('\'');
  return text;
}

}  // namespace

bool WriteFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes,
                         std::string& error) {
  std::error_code code;
  if (fs::is_directory(target, code)) {
    error = Quoted(target) + " is a folder";
    return false;
  }
  const fs::path temporary = TemporaryBeside(target);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      fs::remove(temporary, code);
      error = "cannot write " + Quoted(target);
      return false;
    }
  }
  fs::rename(temporary, target, code);
  if (code) {
    error = "cannot write " + Quoted(target) + ": " + code.message();
    fs::remove(temporary, code);
    return false;
  }
  return true;
}

}  // namespace lunda::cli
