#include "Console.h"

#include "CredentialInput.h"
#include "SecureWipe.h"

#include <csignal>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace kelvaro {
namespace {

termios SavedTerminalMode;

// Ctrl+C while echo is off must not leave the user's terminal without echo.
extern "C" void RestoreEchoAndStop(int Signal)
{
    tcsetattr(STDIN_FILENO, TCSANOW, &SavedTerminalMode);
    std::signal(Signal, SIG_DFL);
    std::raise(Signal);
}

bool WriteAll(int FileDescriptor, std::string_view Text)
{
    while (!Text.empty()) {
        const ssize_t written = write(FileDescriptor, Text.data(), Text.size());
        if (written <= 0)
            return false;
        Text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::optional<std::string> ReadTerminalLine()
{
    std::string line;
    for (;;) {
        const int character = std::getchar();
        if (character == EOF)
            return std::nullopt;
        if (character == '\n')
            return line;
        line.push_back(static_cast<char>(character));
    }
}

} // namespace

bool StandardInputIsTerminal() { return isatty(STDIN_FILENO) != 0; }

std::optional<std::string> PromptLine(std::string_view Prompt, bool Echo)
{
    if (Echo) {
        WriteAll(STDERR_FILENO, Prompt);
        return ReadTerminalLine();
    }
    // Echo goes off before the prompt appears, and without discarding what
    // was already typed ahead (TCSANOW, not TCSAFLUSH): a pasted line must
    // not be lost.
    tcgetattr(STDIN_FILENO, &SavedTerminalMode);
    termios silent = SavedTerminalMode;
    silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    const auto previousInterruptHandler = std::signal(SIGINT, RestoreEchoAndStop);
    tcsetattr(STDIN_FILENO, TCSANOW, &silent);
    WriteAll(STDERR_FILENO, Prompt);
    std::optional<std::string> line = ReadTerminalLine();
    tcsetattr(STDIN_FILENO, TCSANOW, &SavedTerminalMode);
    std::signal(SIGINT, previousInterruptHandler);
    WriteAll(STDERR_FILENO, "\n");
    return line;
}

std::string ReadAllStandardInput()
{
    std::string input;
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
        if (count == 0) {
            SecureWipe(buffer, sizeof buffer);
            return input;
        }
        if (count < 0)
            throw TInputError("Fehler beim Lesen der Standardeingabe.");
        input.append(buffer, static_cast<std::size_t>(count));
    }
}

bool WriteOutput(std::string_view Utf8Text) { return WriteAll(STDOUT_FILENO, Utf8Text); }

bool WriteError(std::string_view Utf8Text) { return WriteAll(STDERR_FILENO, Utf8Text); }

} // namespace kelvaro
