#include "Console.h"

#include "CredentialInput.h"
#include "SecureWipe.h"
#include "Utf8.h"

#include <windows.h>

namespace kelvaro {
namespace {

bool IsConsole(HANDLE Handle)
{
    DWORD mode;
    return GetConsoleMode(Handle, &mode) != 0;
}

std::u16string Utf16FromUtf8(std::string_view Text)
{
    std::u16string result;
    const int length = MultiByteToWideChar(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()),
                                           nullptr, 0);
    result.resize(static_cast<std::size_t>(length));
    MultiByteToWideChar(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()),
                        reinterpret_cast<wchar_t*>(result.data()), length);
    return result;
}

// A console shows text in its own code page: hand it UTF-16 instead of bytes.
bool WriteText(DWORD StandardHandle, std::string_view Utf8Text)
{
    const HANDLE handle = GetStdHandle(StandardHandle);
    DWORD written;
    if (IsConsole(handle)) {
        const std::u16string text = Utf16FromUtf8(Utf8Text);
        return WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
    }
    while (!Utf8Text.empty()) {
        if (!WriteFile(handle, Utf8Text.data(), static_cast<DWORD>(Utf8Text.size()), &written, nullptr) ||
            written == 0)
            return false;
        Utf8Text.remove_prefix(written);
    }
    return true;
}

// One line typed on the console, read as UTF-16 so that any character survives.
std::optional<std::u16string> ReadConsoleLine(HANDLE Input)
{
    std::u16string line;
    for (;;) {
        wchar_t unit;
        DWORD count = 0;
        if (!ReadConsoleW(Input, &unit, 1, &count, nullptr) || count == 0) {
            SecureWipe(line);
            return std::nullopt;
        }
        if (unit == L'\n')
            break;
        line.push_back(static_cast<char16_t>(unit));
    }
    if (line.ends_with(u'\r'))
        line.pop_back();
    return line;
}

} // namespace

bool StandardInputIsTerminal() { return IsConsole(GetStdHandle(STD_INPUT_HANDLE)); }

std::optional<std::string> PromptLine(std::string_view Prompt, bool Echo)
{
    WriteText(STD_ERROR_HANDLE, Prompt);
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD savedMode;
    GetConsoleMode(input, &savedMode);
    if (!Echo)
        SetConsoleMode(input, savedMode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    std::optional<std::u16string> line = ReadConsoleLine(input);
    SetConsoleMode(input, savedMode);
    if (!Echo)
        WriteText(STD_ERROR_HANDLE, "\n");
    if (!line)
        return std::nullopt;
    std::string result = EncodeUtf8String(*line);
    SecureWipe(*line);
    return result;
}

std::string ReadAllStandardInput()
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(input, buffer, sizeof buffer, &count, nullptr)) {
            if (GetLastError() == ERROR_BROKEN_PIPE) { // the writer closed its end
                SecureWipe(buffer, sizeof buffer);
                return bytes;
            }
            throw TInputError("Fehler beim Lesen der Standardeingabe.");
        }
        if (count == 0) {
            SecureWipe(buffer, sizeof buffer);
            return bytes;
        }
        bytes.append(buffer, count);
    }
}

bool WriteOutput(std::string_view Utf8Text) { return WriteText(STD_OUTPUT_HANDLE, Utf8Text); }

bool WriteError(std::string_view Utf8Text) { return WriteText(STD_ERROR_HANDLE, Utf8Text); }

} // namespace kelvaro
