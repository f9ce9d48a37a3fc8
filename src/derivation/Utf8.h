#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// UTF-16 to UTF-8, without a byte-order mark. A surrogate code unit that is not
// part of a pair becomes U+FFFD, so every UTF-16 text has an encoding.
std::vector<std::uint8_t> EncodeUtf8(std::u16string_view Text);
// The same as a string of bytes, for interfaces that take char text.
std::string EncodeUtf8String(std::u16string_view Text);

// Strict UTF-8 to UTF-16: overlong forms, encoded surrogates, code points above
// U+10FFFF and truncated sequences are rejected (no value), never replaced.
std::optional<std::u16string> DecodeUtf8(std::span<const std::uint8_t> Bytes);
std::optional<std::u16string> DecodeUtf8(std::string_view Bytes);

} // namespace kelvaro
