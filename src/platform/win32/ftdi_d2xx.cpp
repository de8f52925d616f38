// FtdiLibrary over FTDI's D2XX library, ftd2xx.dll, which Windows installs with the driver for
// these chips. It is loaded at run time, so that the program starts and its other ports work
// where it is missing; its few entry points are declared here, all WINAPI as FTDI's header has
// them. A two- or four-channel chip appears in D2XX once per channel, its serial number ending in
// A, B, ...: only channel A is listed, under the chip's own serial number.
#include <windows.h>

#include <cerrno>
#include <cstring>

#include "platform/ftdi.h"

namespace lunda {
namespace {

using Handle = void*;
using Status = ULONG;

constexpr Status kOk = 0;
constexpr Status kDeviceNotFound = 2;
constexpr Status kDeviceNotOpened = 3;  // what FT_Open answers for a device another program holds
constexpr Status kIoError = 4;
constexpr DWORD kFlagOpened = 1;  // FT_FLAGS_OPENED: the device is open in some process
constexpr UCHAR kModeAsyncBitBang = 1;
constexpr ULONG kReadTimeoutMs = 1000;
constexpr ULONG kWriteTimeoutMs = 5000;

using CreateDeviceInfoListFn = Status(WINAPI*)(DWORD* count);
using GetDeviceInfoDetailFn = Status(WINAPI*)(DWORD index, DWORD* flags, DWORD* type, DWORD* id,
                                              DWORD* location, void* serial, void* description,
                                              Handle* handle);
using OpenFn = Status(WINAPI*)(int index, Handle* handle);
using CloseFn = Status(WINAPI*)(Handle handle);
using SetBitModeFn = Status(WINAPI*)(Handle handle, UCHAR mask, UCHAR mode);
using SetDivisorFn = Status(WINAPI*)(Handle handle, USHORT divisor);
using SetTimeoutsFn = Status(WINAPI*)(Handle handle, ULONG read, ULONG write);
using WriteFn = Status(WINAPI*)(Handle handle, void* buffer, DWORD size, DWORD* written);
using GetBitModeFn = Status(WINAPI*)(Handle handle, UCHAR* pins);

template <typename Fn>
Fn Find(HMODULE module, const char* name) {
  // Through void(*)() so the compiler accepts the cast between unrelated function types.
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

struct Entries {
  CreateDeviceInfoListFn createDeviceInfoList = nullptr;
  GetDeviceInfoDetailFn getDeviceInfoDetail = nullptr;
  OpenFn open = nullptr;
  CloseFn close = nullptr;
  SetBitModeFn setBitMode = nullptr;
  SetDivisorFn setDivisor = nullptr;
  SetTimeoutsFn setTimeouts = nullptr;
  WriteFn write = nullptr;
  GetBitModeFn getBitMode = nullptr;

  [[nodiscard]] bool Complete() const {
    return createDeviceInfoList && getDeviceInfoDetail && open && close && setBitMode &&
           setDivisor && setTimeouts && write && getBitMode;
  }
};

// FT_DEVICE_* of FTDI's header.
FtdiChip ChipOf(DWORD type) {
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
  constexpr const char* kNames[] = {"FT_OK",
                                    "FT_INVALID_HANDLE",
                                    "FT_DEVICE_NOT_FOUND",
                                    "FT_DEVICE_NOT_OPENED",
                                    "FT_IO_ERROR",
                                    "FT_INSUFFICIENT_RESOURCES",
                                    "FT_INVALID_PARAMETER",
                                    "FT_INVALID_BAUD_RATE"};
  return {code, status < std::size(kNames) ? kNames[status] : "FT_OTHER_ERROR"};
}

// A chip that answers with a handle or I/O error mid-write has gone from the bus.
FtdiStatus WriteFailure(Status status) {
  return Failure(status == kIoError || status == kDeviceNotFound || status == 1 ? ENODEV : EIO,
                 status);
}

class D2xxDevice final : public FtdiDevice {
 public:
  D2xxDevice(const Entries& entries, Handle handle) : entries(entries), handle(handle) {}
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
    DWORD written = 0;
    const Status status =
        entries.write(handle, const_cast<std::uint8_t*>(samples.data()),
                      static_cast<DWORD>(samples.size()), &written);
    if (status != kOk) return WriteFailure(status);
    // FT_Write returns short when the write time-out ran out.
    if (written < samples.size()) return {ETIMEDOUT, "FT_Write timed out"};
    return {};
  }
  FtdiStatus ReadPins(std::uint8_t& pins) override {
    UCHAR value = 0;
    const Status status = entries.getBitMode(handle, &value);
    if (status != kOk) return WriteFailure(status);
    pins = value;
    return {};
  }

 private:
  const Entries& entries;
  Handle handle;
};

class D2xx final : public FtdiLibrary {
 public:
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
      status = Failure(opened == kDeviceNotOpened ? EBUSY
                       : opened == kDeviceNotFound ? ENOENT
                                                   : EIO,
                       opened);
      return nullptr;
    }
    return std::make_unique<D2xxDevice>(entries, handle);
  }

 private:
  // Loads the library on first use and keeps it for the life of the process.
  FtdiStatus Load() {
    if (entries.Complete()) return {};
    const HMODULE module = LoadLibraryA("ftd2xx.dll");
    if (module == nullptr) return {ENOSYS, "ftd2xx.dll not found"};
    entries = {Find<CreateDeviceInfoListFn>(module, "FT_CreateDeviceInfoList"),
               Find<GetDeviceInfoDetailFn>(module, "FT_GetDeviceInfoDetail"),
               Find<OpenFn>(module, "FT_Open"),
               Find<CloseFn>(module, "FT_Close"),
               Find<SetBitModeFn>(module, "FT_SetBitMode"),
               Find<SetDivisorFn>(module, "FT_SetDivisor"),
               Find<SetTimeoutsFn>(module, "FT_SetTimeouts"),
               Find<WriteFn>(module, "FT_Write"),
               Find<GetBitModeFn>(module, "FT_GetBitMode")};
    if (entries.Complete()) return {};
    FreeLibrary(module);
    entries = {};
    return {ENOSYS, "ftd2xx.dll lacks an entry point lunda needs"};
  }

  // The adapters, channel A of each, and their indexes in D2XX's list.
  FtdiStatus Enumerate(std::vector<FtdiAdapter>& adapters, std::vector<int>& indexes) {
    if (FtdiStatus loaded = Load(); !loaded.Ok()) return loaded;
    DWORD count = 0;
    if (const Status status = entries.createDeviceInfoList(&count); status != kOk) {
      return Failure(EIO, status);
    }
    for (DWORD i = 0; i < count; ++i) {
      DWORD flags = 0, type = 0, id = 0, location = 0;
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

  Entries entries;
};

}  // namespace

FtdiLibrary& SystemFtdi() {
  static D2xx library;
  return library;
}

}  // namespace lunda
