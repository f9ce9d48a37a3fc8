#include "PasswordDerivation.h"

#include "Md5.h"
#include "SecureWipe.h"
#include "Utf8.h"

#include <array>

namespace kelvaro {

std::u16string GeneratePassword(std::u16string_view User, std::u16string_view MasterPassword,
                                std::u16string_view ApplicationName)
{
    // Concatenate before encoding: a surrogate pair split across two fields
    // must be encoded as one character, as the single text would be.
    std::u16string inputString;
    inputString.reserve(User.size() + MasterPassword.size() + ApplicationName.size());
    inputString.append(User).append(MasterPassword).append(ApplicationName);

    std::vector<std::uint8_t> inputBytes = EncodeUtf8(inputString);
    SecureWipe(inputString);
    TMd5::TDigest hashBytes = Md5Digest(inputBytes);
    SecureWipe(inputBytes);

    constexpr std::array<std::u16string_view, 4> tables = {LowerCaseLetters, UpperCaseLetters,
                                                           Numbers, SpecialChars};
    std::u16string password;
    for (std::size_t i = 0; i < PasswordLength; ++i) {
        const std::u16string_view table = tables[i % tables.size()];
        password.push_back(table[hashBytes[i] % table.size()]);
    }
    SecureWipe(hashBytes.data(), hashBytes.size());
    return password;
}

} // namespace kelvaro
