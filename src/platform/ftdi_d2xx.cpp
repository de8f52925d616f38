// FtdiLibrary over the D2XX entry points, whichever library filled them.
#include "platform/ftdi_d2xx.h"

#include <cerrno>
#include <iterator>
#include <vector>

namespace lunda {
namespace {

using Handle = D2xxHandle;
using Status = D2xxStatus;

constexpr Status kOk = 0;
constexpr Status kDeviceNotFound = 2;
constexpr Status kDeviceNotOpened = 3;  // what FT_Open answers for a device another program holds
constexpr Status kIoError = 4;
constexpr unsigned long kFlagOpened = 1;  // FT_FLAGS_OPENED: the device is open in some process
constexpr unsigned char kModeAsyncBitBang = 1;
constexpr unsigned long kReadTimeoutMs = 1000;
constexpr unsigned long kWriteTimeoutMs = 5000;

// FT_DEVICE_* of FTDI's header.
FtdiChip ChipOf(unsigned long type) {
  constexpr FtdiChip kTypes[] = {FtdiChip::kFt232Bm, FtdiChip::kFt232Am, FtdiChip::kUnknown,
                                 FtdiChip::kUnknown, FtdiChip::kFt2232C, FtdiChip::kFt232R,
                                 FtdiChip::kFt2232H, FtdiChip::kFt4232H, FtdiChip::kFt232H,
                                 FtdiChip::kFtX};
  return type < std::size(kTypes) ? kTypes[type] : FtdiChip::kUnknown;
}

bool HasChannels(FtdiChip chip) {
  return chip == FtdiChip::kFt2232C || chip == FtdiChip::kFt2232H || chip == FtdiChip::kFt4232H;
}

FtdiStatus Failure(int code, Status status) {
  constexpr const char* kNames[] = {
      "FT_OK",       "FT_INVALID_HANDLE",         "FT_DEVICE_NOT_FOUND",  "FT_DEVICE_NOT_OPENED",
      "FT_IO_ERROR", "FT_INSUFFICIENT_RESOURCES", "FT_INVALID_PARAMETER", "FT_INVALID_BAUD_RATE"};
  return {code, status < std::size(kNames) ? kNames[status] : "FT_OTHER_ERROR"};
}

// A chip that answers with a handle or I/O error mid-write has gone from the bus.
FtdiStatus WriteFailure(Status status) {
  return Failure(status == kIoError || status == kDeviceNotFound || status == 1 ? ENODEV : EIO,
                 status);
}

class D2xxDevice final : public FtdiDevice {
 public:
  D2xxDevice(const D2xxEntries& entries, Handle handle) : entries(entries), handle(handle) {}
  ~D2xxDevice() override { entries.close(handle); }
  D2xxDevice(const D2xxDevice&) = delete;
  D2xxDevice& operator=(const D2xxDevice&) = delete;

  FtdiStatus SetDivisor(std::uint16_t divisor) override {
    const Status status = entries.setDivisor(handle, divisor);
    return status == kOk ? FtdiStatus{} : Failure(EIO, status);
  }
  FtdiStatus SetBitBang(std::uint8_t outputs) override {
    Status status = entries.setTimeouts(handle, kReadTimeoutMs, kWriteTimeoutMs);
    if (status == kOk) status = entries.setBitMode(handle, outputs, kModeAsyncBitBang);
    return status == kOk ? FtdiStatus{} : Failure(EIO, status);
  }
  FtdiStatus Write(std::span<const std::uint8_t> samples) override {
    unsigned long written = 0;
    const Status status = entries.write(handle, const_cast<std::uint8_t*>(samples.data()),
                                        static_cast<unsigned long>(samples.size()), &written);
    if (status != kOk) return WriteFailure(status);
    // FT_Write returns short when the write time-out ran out.
    if (written < samples.size()) return {ETIMEDOUT, "FT_Write timed out"};
    return {};
  }
  FtdiStatus ReadPins(std::uint8_t& pins) override {
    unsigned char value = 0;
    const Status status = entries.getBitMode(handle, &value);
    if (status != kOk) return WriteFailure(status);
    pins = value;
    return {};
  }

 private:
  const D2xxEntries& entries;
  Handle handle;
};

class D2xx final : public FtdiLibrary {
 public:
  explicit D2xx(std::function<FtdiStatus(D2xxEntries&)> load) : load(std::move(load)) {}

  FtdiStatus List(std::vector<FtdiAdapter>& adapters) override {
    adapters.clear();
    std::vector<int> indexes;
    return Enumerate(adapters, indexes);
  }

  std::unique_ptr<FtdiDevice> Open(std::size_t position, FtdiStatus& status) override {
    std::vector<FtdiAdapter> adapters;
    std::vector<int> indexes;
    status = Enumerate(adapters, indexes);
    if (!status.Ok()) return nullptr;
    if (position >= indexes.size()) {
      status = {ENOENT, "the adapter is no longer there"};
      return nullptr;
    }
    Handle handle = nullptr;
    if (const Status opened = entries.open(indexes[position], &handle); opened != kOk) {
      status = Failure(opened == kDeviceNotOpened  ? EBUSY
                       : opened == kDeviceNotFound ? ENOENT
                                                   : EIO,
                       opened);
      return nullptr;
    }
    return std::make_unique<D2xxDevice>(entries, handle);
  }

 private:
  // Loads the library on first use and keeps it.
  FtdiStatus Load() {
    if (entries.Complete()) return {};
    D2xxEntries loaded;
    if (FtdiStatus status = load(loaded); !status.Ok()) return status;
    if (!loaded.Complete()) return {ENOSYS, "the D2XX library lacks an entry point lunda needs"};
    entries = loaded;
    return {};
  }

  // The adapters, channel A of each, and their indexes in D2XX's list.
  FtdiStatus Enumerate(std::vector<FtdiAdapter>& adapters, std::vector<int>& indexes) {
    if (FtdiStatus loaded = Load(); !loaded.Ok()) return loaded;
    unsigned long count = 0;
    if (const Status status = entries.createDeviceInfoList(&count); status != kOk) {
      return Failure(EIO, status);
    }
    for (unsigned long i = 0; i < count; ++i) {
      unsigned long flags = 0, type = 0, id = 0, location = 0;
      char serial[16] = {};
      char description[64] = {};
      Handle handle = nullptr;
      if (entries.getDeviceInfoDetail(i, &flags, &type, &id, &location, serial, description,
                                      &handle) != kOk) {
        continue;
      }
      FtdiAdapter adapter{ChipOf(type), serial};
      adapter.busy = (flags & kFlagOpened) != 0;
      if (HasChannels(adapter.chip)) {
        if (adapter.serial.empty() || adapter.serial.back() != 'A') continue;
        adapter.serial.pop_back();
      }
      adapters.push_back(adapter);
      indexes.push_back(static_cast<int>(i));
    }
    return {};
  }

  std::function<FtdiStatus(D2xxEntries&)> load;
  D2xxEntries entries;
};

}  // namespace

std::unique_ptr<FtdiLibrary> MakeD2xxLibrary(std::function<FtdiStatus(D2xxEntries&)> load) {
  return std::make_unique<D2xx>(std::move(load));
}

}  // namespace lunda
