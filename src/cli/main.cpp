// kelvaro-cli: the window's password derivation for terminals and scripts.
// Secrets are never taken as arguments, since every process on the machine can
// read those.
#include "Console.h"
#include "CredentialInput.h"
#include "PasswordDerivation.h"
#include "SecureWipe.h"

#include <new>
#include <string>
#include <string_view>

namespace {

using namespace kelvaro;

constexpr int ExitUsageOrInputError = 2;
constexpr int ExitFailure = 1;

constexpr std::string_view Usage =
    "Aufruf: kelvaro-cli [--help | --version]\n"
    "\n"
    "Leitet das Passwort einer Applikation aus User / E-Mail, MasterPasswort und\n"
    "Applikation ab, genau wie das Kelvaro-Fenster.\n"
    "\n"
    "Am Terminal werden die drei Texte abgefragt; das MasterPasswort wird dabei\n"
    "nicht angezeigt. Sonst werden drei Zeilen UTF-8 von der Standardeingabe\n"
    "gelesen (LF oder CRLF) und das Passwort auf der Standardausgabe ausgegeben.\n"
    "\n"
    "Exit-Code: 0 bei Erfolg, 2 bei ungültiger Eingabe oder unbekanntem Argument.\n";

std::u16string AskOnTerminal(std::string_view Prompt, bool Echo)
{
    std::optional<std::string> line = PromptLine(Prompt, Echo);
    if (!line)
        throw TInputError("Eingabe abgebrochen.");
    std::u16string text = DecodeTypedLine(*line);
    SecureWipe(*line);
    return text;
}

void ReadCredentials(TCredentials& Credentials)
{
    if (StandardInputIsTerminal()) {
        Credentials.User = AskOnTerminal("User / E-Mail: ", true);
        Credentials.MasterPassword = AskOnTerminal("MasterPasswort: ", false);
        Credentials.ApplicationName = AskOnTerminal("Applikation: ", true);
        return;
    }
    std::string input = ReadAllStandardInput();
    try {
        ParseCredentialLines(input, Credentials);
    } catch (...) {
        SecureWipe(input);
        throw;
    }
    SecureWipe(input);
}

int Run(int ArgumentCount, char** Arguments)
{
    if (ArgumentCount == 2 && std::string_view(Arguments[1]) == "--help")
        return WriteOutput(Usage) ? 0 : ExitFailure;
    if (ArgumentCount == 2 && std::string_view(Arguments[1]) == "--version")
        return WriteOutput("kelvaro-cli " KELVARO_VERSION "\n") ? 0 : ExitFailure;
    if (ArgumentCount > 1)
        throw TInputError("Unbekanntes Argument: " + std::string(Arguments[1]) +
                          " (Hilfe mit --help).");

    TCredentials credentials;
    ReadCredentials(credentials);
    const std::u16string password = GeneratePassword(
        credentials.User, credentials.MasterPassword, credentials.ApplicationName);
    const std::string line = std::string(password.begin(), password.end()) + "\n";
    if (!WriteOutput(line)) {
        WriteError("Fehler beim Schreiben der Ausgabe.\n");
        return ExitFailure;
    }
    return 0;
}

} // namespace

int main(int ArgumentCount, char** Arguments)
{
    try {
        return Run(ArgumentCount, Arguments);
    } catch (const TInputError& error) {
        WriteError(std::string(error.what()) + "\n");
        return ExitUsageOrInputError;
    } catch (const std::bad_alloc&) {
        WriteError("Nicht genug Arbeitsspeicher für diese Eingabe.\n");
        return ExitFailure;
    }
}
