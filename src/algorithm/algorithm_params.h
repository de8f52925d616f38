// The parameter block of one algorithm: the values the user may change.
#pragma once

#include <array>
#include <cstdint>

namespace lunda {

inline constexpr int kThresholdCount = 4;
inline constexpr int kChannelCount = 3;
inline constexpr int kDelaysPerChannel = 12;
inline constexpr int kDelayCount = kChannelCount * kDelaysPerChannel;  // 36

struct AlgorithmParams {
  std::array<std::uint8_t, kThresholdCount> thresholds{127, 127, 127, 127};
  std::uint8_t startDelay = 16;    // seconds
  std::int32_t sensorCurrent = 0;  // 0 direct, 1 alternating; loads the raw image byte
  std::array<std::uint8_t, kDelayCount> delays{};  // EncodeDelay bytes, channel-major

  friend bool operator==(const AlgorithmParams&, const AlgorithmParams&) = default;
};

[[nodiscard]] bool ParamsEqual(const AlgorithmParams& a, const AlgorithmParams& b);
// The one test for "changed": current differs from defaults.
[[nodiscard]] bool ParamsDiffer(const AlgorithmParams& a, const AlgorithmParams& b);

}  // namespace lunda
