#pragma once

#include <string>
#include <string_view>

namespace kelvaro {

// The character tables of the password. Every password ever made depends on
// their exact contents and order: never change them.
inline constexpr std::u16string_view LowerCaseLetters = u"abcdefghijklmnopqrstuvwxyz";
inline constexpr std::u16string_view UpperCaseLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::u16string_view Numbers = u"0123456789";
// Printable ASCII punctuation without apostrophe, backquote and tilde.
inline constexpr std::u16string_view SpecialChars = u"!@#$%^&*()_+{}|:\"<>?-=[]\\;.,/";

inline constexpr std::size_t PasswordLength = 12;

// The password for one application: the MD5 digest of the UTF-8 encoded
// concatenation User + MasterPassword + ApplicationName, its bytes 0 to 11
// mapped in turn onto lower-case letters, upper-case letters, digits and
// special characters. Works for every input, including empty texts.
std::u16string GeneratePassword(std::u16string_view User, std::u16string_view MasterPassword,
                                std::u16string_view ApplicationName);

} // namespace kelvaro
