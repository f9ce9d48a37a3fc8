#include "CredentialInput.h"

#include "SecureWipe.h"
#include "Utf8.h"

#include <array>

namespace kelvaro {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutLineBreak(std::string_view Line)
{
    if (Line.ends_with('\n'))
        Line.remove_suffix(1);
    if (Line.ends_with('\r'))
        Line.remove_suffix(1);
    return Line;
}

std::u16string DecodeLine(std::string_view Line, int LineNumber)
{
    std::optional<std::u16string> text = DecodeUtf8(Line);
    if (!text)
        throw TInputError("Ungültiges UTF-8 in Zeile " + std::to_string(LineNumber) + ".");
    return std::move(*text);
}

} // namespace

TCredentials::~TCredentials()
{
    SecureWipe(User);
    SecureWipe(MasterPassword);
    SecureWipe(ApplicationName);
}

void ParseCredentialLines(std::string_view Input, TCredentials& Credentials)
{
    if (Input.starts_with(ByteOrderMark))
        Input.remove_prefix(ByteOrderMark.size());

    std::array<std::u16string*, 3> fields = {&Credentials.User, &Credentials.MasterPassword,
                                             &Credentials.ApplicationName};
    int linesRead = 0;
    while (!Input.empty()) {
        const std::size_t end = Input.find('\n');
        const std::size_t lineLength = end == std::string_view::npos ? Input.size() : end + 1;
        if (linesRead == static_cast<int>(fields.size()))
            throw TInputError("Zu viele Zeilen: erwartet werden genau drei "
                              "(User / E-Mail, MasterPasswort, Applikation).");
        const std::string_view line = Input.substr(0, lineLength);
        *fields[static_cast<std::size_t>(linesRead)] =
            DecodeLine(end == std::string_view::npos ? line : WithoutLineBreak(line), linesRead + 1);
        ++linesRead;
        Input.remove_prefix(lineLength);
    }
    if (linesRead < static_cast<int>(fields.size()))
        throw TInputError("Zu wenige Zeilen: erwartet werden drei (User / E-Mail, MasterPasswort, "
                          "Applikation), gelesen: " +
                          std::to_string(linesRead) + ".");
}

std::u16string DecodeTypedLine(std::string_view Line)
{
    std::optional<std::u16string> text = DecodeUtf8(WithoutLineBreak(Line));
    if (!text)
        throw TInputError("Ungültiges UTF-8 in der Eingabe.");
    return std::move(*text);
}

} // namespace kelvaro
