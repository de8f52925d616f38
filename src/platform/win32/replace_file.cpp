// ReplaceFileContents on Windows: FlushFileBuffers, then a write-through move.
#include "platform/replace_file.h"

#include <windows.h>

#include <algorithm>

namespace lunda {
namespace {

std::error_code LastError() { return {static_cast<int>(GetLastError()), std::system_category()}; }

// Opened without sharing: a second writer of the same target fails instead of mixing its bytes
// in, and a process that dies with the file open leaves it for the next writer to overwrite.
bool WriteTemporary(const std::wstring& temporary, std::span<const std::uint8_t> bytes) {
  const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = true;
  while (written && !bytes.empty()) {
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD done = 0;
    written = WriteFile(file, bytes.data(), chunk, &done, nullptr) != 0 && done == chunk;
    bytes = bytes.subspan(done);
  }
  // The data must be on the disk before the move makes it the target.
  written = written && FlushFileBuffers(file) != 0;
  const DWORD error = GetLastError();
  CloseHandle(file);
  SetLastError(error);
  if (!written) DeleteFileW(temporary.c_str());
  return written;
}

}  // namespace

bool ReplaceFileContents(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                         std::error_code& error) {
  const std::wstring temporary =
      target.wstring() + std::filesystem::path(kReplacementSuffix).wstring();
  if (!WriteTemporary(temporary, bytes)) {
    error = LastError();
    return false;
  }
  // Write-through: the move returns once the folder change is on the disk.
  if (MoveFileExW(temporary.c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
    error = LastError();
    DeleteFileW(temporary.c_str());
    return false;
  }
  error.clear();
  return true;
}

}  // namespace lunda
