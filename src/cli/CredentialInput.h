#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvaro {

// Input that cannot be used; its message is meant for the user, in German.
class TInputError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The three texts a password is derived from. Wiped when destroyed.
struct TCredentials
{
    std::u16string User;
    std::u16string MasterPassword;
    std::u16string ApplicationName;

    TCredentials() = default;
    TCredentials(const TCredentials&) = delete;
    TCredentials& operator=(const TCredentials&) = delete;
    ~TCredentials();
};

// Exactly three lines of UTF-8 text, separated by LF or CRLF; the last line
// break may be missing. A leading UTF-8 byte-order mark (as some editors
// write) is not part of the first line. Throws TInputError otherwise.
void ParseCredentialLines(std::string_view Input, TCredentials& Credentials);

// The text of one line typed on a terminal, without its line break.
std::u16string DecodeTypedLine(std::string_view Line);

} // namespace kelvaro
