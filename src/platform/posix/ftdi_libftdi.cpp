// FtdiLibrary over libftdi1. libftdi opens the adapter (detaching the kernel's ftdi_sio from it)
// and sets the bit mode; the divisor and the writes go straight to libusb through libftdi's
// context, since ftdi_set_baudrate offers only whole baud rates, multiplied by its own bit-bang
// factor, and ftdi_write_data reports a time-out and an unplugged adapter alike.
#include "platform/ftdi.h"

#include <libftdi1/ftdi.h>
#include <libusb.h>

#include <cerrno>
#include <string>

namespace lunda {
namespace {

struct ContextFree {
  void operator()(ftdi_context* context) const { ftdi_free(context); }
};
using Context = std::unique_ptr<ftdi_context, ContextFree>;

struct ListFree {
  void operator()(ftdi_device_list* list) const { ftdi_list_free(&list); }
};
using DeviceList = std::unique_ptr<ftdi_device_list, ListFree>;

// FTDI_DEVICE_OUT_REQTYPE, spelt out: its macro ors enumerators of two types, which C++20
// deprecates.
constexpr auto kVendorRequestOut = static_cast<std::uint8_t>(
    static_cast<unsigned>(LIBUSB_REQUEST_TYPE_VENDOR) |
    static_cast<unsigned>(LIBUSB_RECIPIENT_DEVICE) | static_cast<unsigned>(LIBUSB_ENDPOINT_OUT));

FtdiChip ChipOf(std::uint16_t bcdDevice) {
  switch (bcdDevice) {
    case 0x0200:
      return FtdiChip::kFt232Am;
    case 0x0400:
      return FtdiChip::kFt232Bm;
    case 0x0500:
      return FtdiChip::kFt2232C;
    case 0x0600:
      return FtdiChip::kFt232R;
    case 0x0700:
      return FtdiChip::kFt2232H;
    case 0x0800:
      return FtdiChip::kFt4232H;
    case 0x0900:
      return FtdiChip::kFt232H;
    case 0x1000:
      return FtdiChip::kFtX;
    default:
      return FtdiChip::kUnknown;
  }
}

int CodeOfUsbError(int error) {
  switch (error) {
    case LIBUSB_ERROR_ACCESS:
      return EACCES;
    case LIBUSB_ERROR_BUSY:
      return EBUSY;
    case LIBUSB_ERROR_NO_DEVICE:
      return ENODEV;
    case LIBUSB_ERROR_TIMEOUT:
      return ETIMEDOUT;
    default:
      return EIO;
  }
}

FtdiStatus UsbFailure(int error) { return {CodeOfUsbError(error), libusb_strerror(error)}; }

FtdiStatus LibraryFailure(int code, ftdi_context* context) {
  return {code, ftdi_get_error_string(context)};
}

// A fresh context on channel A, and the FTDI devices on the bus in libftdi's order: its default
// product ids, all the chips this program knows.
FtdiStatus FindAll(Context& context, DeviceList& list) {
  context.reset(ftdi_new());
  if (!context) return {EIO, "libusb could not be initialised"};
  if (ftdi_set_interface(context.get(), INTERFACE_A) < 0) return LibraryFailure(EIO, context.get());
  ftdi_device_list* found = nullptr;
  if (ftdi_usb_find_all(context.get(), &found, 0, 0) < 0) return LibraryFailure(EIO, context.get());
  list.reset(found);
  return {};
}

class LibftdiDevice final : public FtdiDevice {
 public:
  explicit LibftdiDevice(Context context) : context(std::move(context)) {}
  ~LibftdiDevice() override { ftdi_usb_close(context.get()); }
  LibftdiDevice(const LibftdiDevice&) = delete;
  LibftdiDevice& operator=(const LibftdiDevice&) = delete;

  FtdiStatus SetDivisor(std::uint16_t divisor) override {
    // The request ftdi_set_baudrate makes, with the divisor as given; the index names the channel
    // and leaves the H chips' 12 MHz reference off.
    const int result =
        libusb_control_transfer(context->usb_dev, kVendorRequestOut, SIO_SET_BAUDRATE_REQUEST,
                                divisor, static_cast<std::uint16_t>(context->index), nullptr, 0,
                                static_cast<unsigned>(context->usb_write_timeout));
    return result < 0 ? UsbFailure(result) : FtdiStatus{};
  }

  FtdiStatus SetBitBang(std::uint8_t outputs) override {
    if (ftdi_set_bitmode(context.get(), outputs, BITMODE_BITBANG) < 0) {
      return LibraryFailure(EIO, context.get());
    }
    return {};
  }

  FtdiStatus Write(std::span<const std::uint8_t> samples) override {
    std::size_t done = 0;
    while (done < samples.size()) {
      int moved = 0;
      // libusb splits the transfer into packets; it returns once the chip has taken the last.
      const int result =
          libusb_bulk_transfer(context->usb_dev, static_cast<unsigned char>(context->in_ep),
                               const_cast<unsigned char*>(samples.data() + done),
                               static_cast<int>(samples.size() - done), &moved,
                               static_cast<unsigned>(context->usb_write_timeout));
      if (result < 0) return UsbFailure(result);
      done += static_cast<std::size_t>(moved);
    }
    return {};
  }

  FtdiStatus ReadPins(std::uint8_t& pins) override {
    unsigned char value = 0;
    if (ftdi_read_pins(context.get(), &value) < 0) return LibraryFailure(EIO, context.get());
    pins = value;
    return {};
  }

 private:
  Context context;
};

class Libftdi final : public FtdiLibrary {
 public:
  FtdiStatus List(std::vector<FtdiAdapter>& adapters) override {
    adapters.clear();
    Context context;
    DeviceList list;
    if (FtdiStatus status = FindAll(context, list); !status.Ok()) return status;
    for (ftdi_device_list* entry = list.get(); entry != nullptr; entry = entry->next) {
      libusb_device_descriptor descriptor{};
      libusb_get_device_descriptor(entry->dev, &descriptor);
      FtdiAdapter adapter{ChipOf(descriptor.bcdDevice), {}};
      // Reading the serial number opens the device for a moment; without the right to, it stays
      // unknown and opening the adapter says why.
      char serial[128] = {};
      if (ftdi_usb_get_strings2(context.get(), entry->dev, nullptr, 0, nullptr, 0, serial,
                                sizeof serial) == 0) {
        adapter.serial = serial;
      }
      adapters.push_back(adapter);
    }
    return {};
  }

  std::unique_ptr<FtdiDevice> Open(std::size_t position, FtdiStatus& status) override {
    Context context;
    DeviceList list;
    status = FindAll(context, list);
    if (!status.Ok()) return nullptr;
    ftdi_device_list* entry = list.get();
    for (std::size_t i = 0; entry != nullptr && i < position; ++i) entry = entry->next;
    if (entry == nullptr) {
      status = {ENOENT, "the adapter is no longer there"};
      return nullptr;
    }
    const int result = ftdi_usb_open_dev(context.get(), entry->dev);
    if (result == 0) return std::make_unique<LibftdiDevice>(std::move(context));
    status = LibraryFailure(result == -5 ? EBUSY : result == -8 ? EACCES : EIO, context.get());
    // libftdi keeps libusb's reason for a device it cannot open to itself: ask libusb.
    if (result == -4) {
      libusb_device_handle* handle = nullptr;
      const int opened = libusb_open(entry->dev, &handle);
      if (opened == 0) {
        libusb_close(handle);
      } else {
        status.code = CodeOfUsbError(opened);
      }
    }
    return nullptr;
  }
};

}  // namespace

FtdiLibrary& SystemFtdi() {
  static Libftdi library;
  return library;
}

}  // namespace lunda
