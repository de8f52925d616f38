// A transmission as one stream of samples for a port that clocks them out itself.
//
// How the stream is built (check it against transmit_sequence.h): one sample lasts one T, so every
// value the transmission puts on the lines for n T is n samples of that value, one after the
// other, and a pause of n T is n more samples of the value already on the lines:
//   each bit            1 sample of 0x81 + 2b, 1 of 0x80 + 2b, 2 of 0x81        (4 samples)
//   each byte           8 bits, least significant first                         (32 samples)
//   every 32nd byte     followed by 700 samples of 0x81                         (the block pause)
//   the end             kFinalWaitUnits (1000) samples of 0x81                  (the final 100 ms)
// For 5120 bytes that is 275 840 + 1000 samples. Every count is a whole number by construction,
// and the hardware's sample period is chosen a little longer than T (see ftdi_port.h), so no step
// can be shorter than its nominal length. The samples go out in chunks; when the sender is late
// the lines hold the last value, which lengthens a step and never shortens one.
#pragma once

#include <cstddef>
#include <span>

#include "device/sample_sink.h"

namespace lunda {

struct TransmitJob;

// Samples handed over per call: a tenth of a second at T. The adapter's own buffer, not the chunk,
// keeps its lines fed while the next chunk is made.
inline constexpr std::size_t kStreamChunkSamples = 1024;

// Sends image to sink as one stream, counting in job the bytes whose samples have all been handed
// over. False when the sink refused the stream or failed on the way (its port's LastFault says
// which); refused is then set when nothing was sent at all.
[[nodiscard]] bool SendAsStream(std::span<const std::uint8_t> image, SampleSink& sink,
                                TransmitJob& job, bool& refused);

}  // namespace lunda
