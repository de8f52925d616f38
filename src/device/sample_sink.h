// A port that clocks out the values it is given by itself, one sample per period of its own
// crystal, from a buffer it drains at that rate: a USB adapter in asynchronous bit-bang mode. When
// the buffer runs dry the lines keep the last value, so a late sender can only lengthen a step.
#pragma once

#include <cstdint>
#include <span>

namespace lunda {

// Samples per second as a fraction, exact for a crystal divided by an integer.
struct SampleRate {
  std::int64_t numerator = 10'000;
  std::int64_t denominator = 1;
};

class SampleSink {
 public:
  virtual ~SampleSink() = default;
  // The rate the samples are clocked out at, as asked of the hardware.
  [[nodiscard]] virtual SampleRate Rate() const = 0;
  // Gets ready for a stream and checks that the hardware keeps the rate; false, with the port's
  // LastFault set, when it does not. Nothing that moves a line is sent.
  [[nodiscard]] virtual bool BeginStream() = 0;
  // Hands samples over in order, blocking while the buffer is full; false once the port failed.
  [[nodiscard]] virtual bool SendSamples(std::span<const std::uint8_t> samples) = 0;
  // Returns once every sample handed over has been clocked out.
  virtual void EndStream() = 0;
};

}  // namespace lunda
