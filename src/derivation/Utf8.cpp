#include "Utf8.h"

#include "SecureWipe.h"

namespace kelvaro {
namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char16_t Unit) { return Unit >= 0xD800 && Unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t Unit) { return Unit >= 0xDC00 && Unit <= 0xDFFF; }

void AppendUtf8(char32_t CodePoint, std::vector<std::uint8_t>& Bytes)
{
    auto byte = [](char32_t Value) { return static_cast<std::uint8_t>(Value); };
    if (CodePoint < 0x80) {
        Bytes.push_back(byte(CodePoint));
    } else if (CodePoint < 0x800) {
        Bytes.push_back(byte(0xC0 | CodePoint >> 6));
        Bytes.push_back(byte(0x80 | (CodePoint & 0x3F)));
    } else if (CodePoint < 0x10000) {
        Bytes.push_back(byte(0xE0 | CodePoint >> 12));
        Bytes.push_back(byte(0x80 | (CodePoint >> 6 & 0x3F)));
        Bytes.push_back(byte(0x80 | (CodePoint & 0x3F)));
    } else {
        Bytes.push_back(byte(0xF0 | CodePoint >> 18));
        Bytes.push_back(byte(0x80 | (CodePoint >> 12 & 0x3F)));
        Bytes.push_back(byte(0x80 | (CodePoint >> 6 & 0x3F)));
        Bytes.push_back(byte(0x80 | (CodePoint & 0x3F)));
    }
}

void AppendUtf16(char32_t CodePoint, std::u16string& Text)
{
    if (CodePoint < 0x10000) {
        Text.push_back(static_cast<char16_t>(CodePoint));
    } else {
        const char32_t offset = CodePoint - 0x10000;
        Text.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
        Text.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    }
}

} // namespace

std::vector<std::uint8_t> EncodeUtf8(std::u16string_view Text)
{
    // Reserving enough at once keeps a secret in one buffer, never in the
    // abandoned copies that growing would leave behind unwiped. Exact but for
    // surrogate pairs, which take 4 bytes of the 6 reserved.
    std::size_t size = 0;
    for (char16_t unit : Text)
        size += unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(size);
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char16_t unit = Text[i];
        if (IsHighSurrogate(unit) && i + 1 < Text.size() && IsLowSurrogate(Text[i + 1])) {
            const char32_t codePoint =
                0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{Text[i + 1]} - 0xDC00);
            AppendUtf8(codePoint, bytes);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(ReplacementCharacter, bytes);
        } else {
            AppendUtf8(unit, bytes);
        }
    }
    return bytes;
}

std::string EncodeUtf8String(std::u16string_view Text)
{
    std::vector<std::uint8_t> bytes = EncodeUtf8(Text);
    std::string result(bytes.begin(), bytes.end());
    SecureWipe(bytes); // the text may be a secret typed on the console
    return result;
}

std::optional<std::u16string> DecodeUtf8(std::span<const std::uint8_t> Bytes)
{
    std::u16string text;
    text.reserve(Bytes.size());
    std::size_t i = 0;
    while (i < Bytes.size()) {
        const std::uint8_t lead = Bytes[i];
        std::size_t continuationCount;
        char32_t codePoint;
        char32_t smallestAllowed;
        if (lead < 0x80) {
            text.push_back(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            continuationCount = 1;
            codePoint = lead & 0x1F;
            smallestAllowed = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            continuationCount = 2;
            codePoint = lead & 0x0F;
            smallestAllowed = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            continuationCount = 3;
            codePoint = lead & 0x07;
            smallestAllowed = 0x10000;
        } else {
            return std::nullopt;
        }
        if (Bytes.size() - i <= continuationCount)
            return std::nullopt;
        for (std::size_t k = 1; k <= continuationCount; ++k) {
            const std::uint8_t continuation = Bytes[i + k];
            if ((continuation & 0xC0) != 0x80)
                return std::nullopt;
            codePoint = codePoint << 6 | (continuation & 0x3F);
        }
        const bool isSurrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (codePoint < smallestAllowed || codePoint > 0x10FFFF || isSurrogate)
            return std::nullopt;
        AppendUtf16(codePoint, text);
        i += continuationCount + 1;
    }
    return text;
}

std::optional<std::u16string> DecodeUtf8(std::string_view Bytes)
{
    return DecodeUtf8(std::span(reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size()));
}

} // namespace kelvaro
