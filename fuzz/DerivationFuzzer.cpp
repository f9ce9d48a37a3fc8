// libFuzzer target: arbitrary UTF-16 text, cut into three fields, must give
// the password that an independent derivation gives: an encoder written
// separately here, OpenSSL's MD5, and the tables typed in again.
#include "PasswordDerivation.h"

#include <openssl/evp.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// UTF-8 by code points: a pair joins into one, any other surrogate is U+FFFD.
std::string ReferenceUtf8(const std::u16string& Text)
{
    std::string bytes;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        std::uint32_t codePoint = Text[i];
        const bool high = codePoint >= 0xD800 && codePoint < 0xDC00;
        const bool low = codePoint >= 0xDC00 && codePoint < 0xE000;
        if (high && i + 1 < Text.size() && Text[i + 1] >= 0xDC00 && Text[i + 1] < 0xE000) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10 | (Text[i + 1] - 0xDC00u));
            ++i;
        } else if (high || low) {
            codePoint = 0xFFFD;
        }
        if (codePoint < 0x80) {
            bytes += static_cast<char>(codePoint);
        } else if (codePoint < 0x800) {
            bytes += static_cast<char>(0xC0 | codePoint >> 6);
            bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
        } else if (codePoint < 0x10000) {
            bytes += static_cast<char>(0xE0 | codePoint >> 12);
            bytes += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
            bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | codePoint >> 18);
            bytes += static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
            bytes += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
            bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
        }
    }
    return bytes;
}

std::u16string ReferencePassword(const std::u16string& Text)
{
    static const char* const Tables[] = {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "0123456789",
                                         "!@#$%^&*()_+{}|:\"<>?-=[]\\;.,/"};
    static const unsigned TableLengths[] = {26, 26, 10, 29};
    const std::string bytes = ReferenceUtf8(Text);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int digestLength = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &digestLength, EVP_md5(), nullptr) != 1 || digestLength != 16)
        std::abort();
    std::u16string password;
    for (unsigned i = 0; i < 12; ++i)
        password += static_cast<char16_t>(Tables[i % 4][digest[i] % TableLengths[i % 4]]);
    return password;
}

} // namespace

// Input: two bytes that choose where the text is cut, then the text as
// UTF-16 code units, little-endian.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size < 2)
        return 0;
    std::u16string text;
    for (std::size_t i = 2; i + 1 < Size; i += 2)
        text += static_cast<char16_t>(Data[i] | Data[i + 1] << 8);
    const std::size_t firstCut = text.empty() ? 0 : Data[0] % (text.size() + 1);
    const std::size_t secondCut = firstCut + (text.size() - firstCut == 0 ? 0 : Data[1] % (text.size() - firstCut + 1));

    const std::u16string password =
        kelvaro::GeneratePassword(std::u16string_view(text).substr(0, firstCut),
                                  std::u16string_view(text).substr(firstCut, secondCut - firstCut),
                                  std::u16string_view(text).substr(secondCut));
    if (password != ReferencePassword(text))
        std::abort();
    return 0;
}
