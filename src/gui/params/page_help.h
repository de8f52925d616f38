// The help hook the parameter sheet's pages call for their topic.
#pragma once

#include <cstdint>
#include <functional>

namespace lunda {

// Opens the help file at a context id; empty when no help is wired in.
using ShowHelpFunction = std::function<void(std::uint32_t context)>;

// The one help topic of every parameter page.
inline constexpr std::uint32_t kParameterPageHelpContext = 0x20002;

}  // namespace lunda
