// Windows-1251, the code page of description files, to and from UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace lunda {

[[nodiscard]] std::string Cp1251ToUtf8(std::string_view text);
// Characters with no Windows-1251 form become '?'.
[[nodiscard]] std::string Utf8ToCp1251(std::string_view text);

// The lower-case form of any letter the code page has in both cases (A-Z, А-Я, Ё, Ђ, Ѓ, Є, Ѕ, І,
// Ї, Ј, Љ, Њ, Ћ, Ќ, Ў, Џ, Ґ), as Windows compares file names; other bytes stay as they are.
[[nodiscard]] char Cp1251ToLower(char c);

// The purpose texts that disable a delay row, as the raw Windows-1251 bytes files carry.
[[nodiscard]] const std::string& NotUsedPurpose();     // "Не используется"
[[nodiscard]] const std::string& AlwaysZeroPurpose();  // "Всегда 0"

}  // namespace lunda
