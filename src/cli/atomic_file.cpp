// Whole-or-nothing file output, with the messages the commands print.
#include "cli/atomic_file.h"

#include "platform/replace_file.h"

namespace lunda::cli {
namespace {

namespace fs = std::filesystem;

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
  if (!ReplaceFileContents(target, bytes, code)) {
    error = "cannot write " + Quoted(target) + ": " + code.message();
    return false;
  }
  return true;
}

}  // namespace lunda::cli
