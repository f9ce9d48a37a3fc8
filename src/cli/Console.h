#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

bool StandardInputIsTerminal();

// Shows Prompt on the terminal and returns the line typed, in UTF-8 without its
// line break; no value when the input ended first. With Echo false the typed
// characters are not shown.
std::optional<std::string> PromptLine(std::string_view Prompt, bool Echo);

// All of standard input as bytes. Throws TInputError on a read error.
std::string ReadAllStandardInput();

// Writes UTF-8 text to standard output or standard error as the user's
// console can show it. Returns false if the text could not be written.
bool WriteOutput(std::string_view Utf8Text);
bool WriteError(std::string_view Utf8Text);

} // namespace kelvaro
