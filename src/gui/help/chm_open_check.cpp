// Walks every directory chunk of the container, not only those chmlib's index leads to: an entry
// it could reach through a damaged index is then checked as well.
#include "gui/help/chm_open_check.h"

#include <cstdint>
#include <optional>
#include <string>

#include "gui/help/chm_bytes.h"

namespace lunda {
namespace {

constexpr std::string_view kControlData = "::DataSpace/Storage/MSCompressed/ControlData";
constexpr std::string_view kResetTable =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
    "InstanceData/ResetTable";
constexpr std::size_t kItsfV2Size = 0x58;
constexpr std::size_t kItsfV3Size = 0x60;
constexpr std::size_t kItspSize = 0x54;
constexpr std::size_t kPmglHeaderSize = 0x14;
constexpr std::size_t kPmgiHeaderSize = 0x08;
// What chmlib reads of the two files; it reads no control data longer than kControlDataMax.
constexpr std::uint64_t kControlDataMin = 0x18;
constexpr std::uint64_t kControlDataMax = 0x100;
constexpr std::uint64_t kResetTableMin = 0x28;
constexpr std::uint32_t kSmallestWindow = 1u << 15;
constexpr std::uint32_t kLargestWindow = 1u << 21;

std::uint64_t ReadLe64(std::string_view bytes, std::size_t at) {
  return ReadLe32(bytes, at) | std::uint64_t{ReadLe32(bytes, at + 4)} << 32;
}

// The container's variable-length numbers: seven bits a byte, most significant first. Read as
// chmlib reads them, with no limit on the digits and the value wrapping, so that both see the
// same entries.
std::optional<std::uint64_t> ReadEncInt(std::string_view chunk, std::size_t& at) {
  std::uint64_t value = 0;
  while (at < chunk.size()) {
    const auto byte = static_cast<unsigned char>(chunk[at++]);
    value = value << 7 | (byte & 0x7f);
    if ((byte & 0x80) == 0) return value;
  }
  return std::nullopt;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The bytes of a file in the uncompressed section, or nothing when they are not all there.
std::optional<std::string_view> Uncompressed(std::string_view file, std::uint64_t dataOffset,
                                             std::uint64_t section, std::uint64_t start,
                                             std::uint64_t length) {
  if (section != 0 || dataOffset > file.size() || start > file.size() - dataOffset ||
      length > file.size() - dataOffset - start) {
    return std::nullopt;
  }
  return file.substr(dataOffset + start, length);
}

// chmlib divides by half the window and by the blocks between resets, and LZX knows windows of
// 2^15 to 2^21 bytes only. Sizes are in 32 KiB units from version 2 on, scaled in 32 bits as
// chmlib does.
bool ControlDataSound(std::string_view data) {
  if (data.size() < kControlDataMin || data.size() > kControlDataMax) return false;
  const bool inUnits = ReadLe32(data, 8) == 2;
  const std::uint32_t resetInterval = ReadLe32(data, 0x0c) << (inUnits ? 15 : 0);
  const std::uint32_t windowSize = ReadLe32(data, 0x10) << (inUnits ? 15 : 0);
  const std::uint32_t windowsPerReset = ReadLe32(data, 0x14);
  if (windowSize < kSmallestWindow || windowSize > kLargestWindow ||
      (windowSize & (windowSize - 1)) != 0) {
    return false;
  }
  return resetInterval / (windowSize / 2) * windowsPerReset != 0;
}

// chmlib divides every offset into the compressed section by the table's block length and
// allocates a buffer of that length for each block it keeps. LZX writes 32 KiB frames; no block
// outgrows the largest window.
bool ResetTableSound(std::string_view data) {
  if (data.size() < kResetTableMin) return false;
  const std::uint64_t blockLength = ReadLe64(data, 0x20);
  return blockLength != 0 && blockLength <= kLargestWindow;
}

// The entries of a listing or index chunk, each a name and then numbers, in the part of the
// chunk its free space leaves.
class Entries {
 public:
  // Nothing when the free space leaves no room for the chunk's header.
  static std::optional<Entries> Of(std::string_view chunk, std::size_t headerSize) {
    const std::uint32_t freeSpace = ReadLe32(chunk, 4);
    if (freeSpace > chunk.size() - headerSize) return std::nullopt;
    return Entries(chunk.substr(0, chunk.size() - freeSpace), headerSize);
  }

  [[nodiscard]] bool AtEnd() const { return at_ >= bytes_.size(); }
  std::optional<std::string_view> Name() {
    const auto length = ReadEncInt(bytes_, at_);
    if (!length || *length > bytes_.size() - at_) return std::nullopt;
    const std::string_view name = bytes_.substr(at_, *length);
    at_ += *length;
    return name;
  }
  std::optional<std::uint64_t> Number() { return ReadEncInt(bytes_, at_); }

 private:
  Entries(std::string_view bytes, std::size_t at) : bytes_(bytes), at_(at) {}

  std::string_view bytes_;
  std::size_t at_;
};

// False when the chunk lists a control data or reset table entry that is not sound.
bool ChunkSound(std::string_view file, std::string_view chunk, std::uint64_t dataOffset) {
  if (chunk.substr(0, 4) != "PMGL") return true;
  auto entries = Entries::Of(chunk, kPmglHeaderSize);
  while (entries && !entries->AtEnd()) {
    const auto name = entries->Name();
    const auto section = entries->Number();
    const auto start = entries->Number();
    const auto length = entries->Number();
    if (!name || !section || !start || !length) return true;
    const bool controlData = SameIgnoringCase(*name, kControlData);
    if (!controlData && !SameIgnoringCase(*name, kResetTable)) continue;
    const auto data = Uncompressed(file, dataOffset, *section, *start, *length);
    if (!data || !(controlData ? ControlDataSound(*data) : ResetTableSound(*data))) return false;
  }
  return true;
}

// The directory's chunks of chunkSize bytes each, numbered from 0 as pages.
struct Directory {
  std::string_view chunks;
  std::uint32_t chunkSize;

  [[nodiscard]] std::size_t Count() const { return chunks.size() / chunkSize; }
  [[nodiscard]] bool Holds(std::int64_t page) const {
    return page >= 0 && static_cast<std::uint64_t>(page) < Count();
  }
  [[nodiscard]] std::string_view Chunk(std::size_t page) const {
    return chunks.substr(page * chunkSize, chunkSize);
  }
};

// chmlib lists the files by following the listing chunks' links to the next one until -1, with
// no bound: every link must lead to a listing chunk of the directory, and the chain must end.
bool ListingChainEnds(const Directory& directory, std::int32_t head) {
  std::int64_t page = head;
  for (std::size_t steps = 0; page != -1; ++steps) {
    if (steps == directory.Count() || !directory.Holds(page)) return false;
    const std::string_view chunk = directory.Chunk(static_cast<std::size_t>(page));
    if (chunk.substr(0, 4) != "PMGL") return false;
    page = static_cast<std::int32_t>(ReadLe32(chunk, 0x10));
  }
  return true;
}

// chmlib finds a file by descending from the root through the index chunks, again with no
// bound. Compilers write an index chunk after the chunks it points to, so every entry must lead
// to a lower page, and the descent ends.
bool IndexLeadsDown(const Directory& directory, std::int32_t root) {
  if (!directory.Holds(root)) return false;
  for (std::size_t page = 0; page < directory.Count(); ++page) {
    const std::string_view chunk = directory.Chunk(page);
    if (chunk.substr(0, 4) != "PMGI") continue;
    auto entries = Entries::Of(chunk, kPmgiHeaderSize);
    if (!entries) return false;
    while (!entries->AtEnd()) {
      const auto name = entries->Name();
      const auto child = entries->Number();
      if (!name || !child || *child >= page) return false;
    }
  }
  return true;
}

}  // namespace

bool ChmOpensSafely(std::string_view file) {
  if (file.size() < kItsfV2Size || file.substr(0, 4) != "ITSF") return false;
  const std::uint32_t version = ReadLe32(file, 4);
  if (version != 2 && version != 3) return false;
  if (version == 3 && file.size() < kItsfV3Size) return false;
  const std::uint64_t directory = ReadLe64(file, 0x48);
  const std::uint64_t directoryLength = ReadLe64(file, 0x50);
  const std::uint64_t dataOffset =
      version == 3 ? ReadLe64(file, 0x58) : directory + directoryLength;
  if (directory > file.size() || file.size() - directory < kItspSize) return false;
  const std::string_view itsp = file.substr(directory, kItspSize);
  if (itsp.substr(0, 4) != "ITSP") return false;
  const std::uint32_t headerLength = ReadLe32(itsp, 8);
  const std::uint32_t chunkSize = ReadLe32(itsp, 0x10);
  // chmlib allocates a chunk's size before it reads one; no real chunk is larger than the file.
  if (chunkSize < kPmglHeaderSize || chunkSize > file.size() ||
      headerLength > file.size() - directory) {
    return false;
  }
  const Directory chunks{file.substr(directory + headerLength), chunkSize};
  const auto root = static_cast<std::int32_t>(ReadLe32(itsp, 0x1c));
  const auto head = static_cast<std::int32_t>(ReadLe32(itsp, 0x20));
  if (!IndexLeadsDown(chunks, root == -1 ? head : root) || !ListingChainEnds(chunks, head)) {
    return false;
  }
  for (std::size_t page = 0; page < chunks.Count(); ++page) {
    if (!ChunkSound(file, chunks.Chunk(page), dataOffset)) return false;
  }
  return true;
}

}  // namespace lunda
