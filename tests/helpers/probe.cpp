// A helper of the end-to-end tests: looks at Kelvaro's window and at the
// clipboard from outside the program, as another Windows program would.
//
//   probe window             the top-level windows of class TFormKelvaroWin, their
//                            client size, position, screen size and child windows
//   probe clipboard          the formats on the clipboard and its Unicode text in hex
//   probe hold-clipboard S   opens the clipboard and keeps it open for S seconds
//   probe error-box          the text and caption of each error box, with its owner
//   probe close              asks Kelvaro's window to close, as the system menu would
//   probe system-message N   the system's German text for error N, as a program asks for it
//   probe start SHOW PROGRAM starts PROGRAM with the show request SHOW (an SW_ value)
//                            and returns its exit code when it ends
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* Text, int Length = -1)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, Text, Length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, Text, Length, result.data(), size, nullptr, nullptr);
    if (Length < 0 && !result.empty())
        result.pop_back(); // the terminating zero
    return result;
}

std::string JsonString(const std::string& Text)
{
    std::string quoted = "\"";
    for (const char character : Text) {
        if (character == '"' || character == '\\')
            quoted += '\\';
        quoted += character;
    }
    return quoted + "\"";
}

// Asked of the window itself: GetWindowText does not ask windows of other
// processes and so misses what was typed into an edit field.
std::string TextOf(HWND Window)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutW(Window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(Window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        5000, &copied);
    return Utf8(text.c_str(), static_cast<int>(copied));
}

std::string ClassOf(HWND Window)
{
    wchar_t name[128] = {};
    GetClassNameW(Window, name, 128);
    return Utf8(name);
}

BOOL CALLBACK PrintChild(HWND Child, LPARAM Focus)
{
    RECT screen;
    GetWindowRect(Child, &screen);
    RECT rect = screen;
    MapWindowPoints(nullptr, GetParent(Child), reinterpret_cast<POINT*>(&rect), 2);
    std::printf("    {\"class\": %s, \"text\": %s, \"rect\": [%ld, %ld, %ld, %ld], "
                "\"screen\": [%ld, %ld, %ld, %ld], \"focused\": %s},\n",
                JsonString(ClassOf(Child)).c_str(), JsonString(TextOf(Child)).c_str(), rect.left, rect.top,
                rect.right, rect.bottom, screen.left, screen.top, screen.right, screen.bottom,
                reinterpret_cast<HWND>(Focus) == Child ? "true" : "false");
    return TRUE;
}

BOOL CALLBACK PrintKelvaroWindow(HWND Window, LPARAM)
{
    if (ClassOf(Window) != "TFormKelvaroWin" || !IsWindowVisible(Window))
        return TRUE;
    RECT client, outer;
    GetClientRect(Window, &client);
    GetWindowRect(Window, &outer);
    // The close box: the rightmost caption button, inside the sizing frame.
    const int frame = GetSystemMetrics(SM_CXSIZEFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
    const POINT closeBox{outer.right - frame - GetSystemMetrics(SM_CXSIZE) / 2,
                         outer.top + frame + GetSystemMetrics(SM_CYCAPTION) / 2};
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(Window, nullptr), &thread);
    std::printf("{\"caption\": %s, \"client\": [%ld, %ld], \"window\": [%ld, %ld, %ld, %ld], "
                "\"screen\": [%d, %d], \"close_box\": [%ld, %ld], \"maximized\": %s, \"minimized\": %s, "
                "\"children\": [\n",
                JsonString(TextOf(Window)).c_str(), client.right, client.bottom, outer.left, outer.top, outer.right,
                outer.bottom, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), closeBox.x, closeBox.y,
                IsZoomed(Window) ? "true" : "false", IsIconic(Window) ? "true" : "false");
    EnumChildWindows(Window, PrintChild, reinterpret_cast<LPARAM>(thread.hwndFocus));
    std::printf("    {}]},\n");
    return TRUE;
}

int PrintWindows()
{
    std::printf("[\n");
    EnumWindows(PrintKelvaroWindow, 0);
    std::printf("{}]\n");
    return 0;
}

int PrintClipboard()
{
    if (!OpenClipboard(nullptr)) {
        std::fprintf(stderr, "cannot open the clipboard: %lu\n", GetLastError());
        return 1;
    }
    std::printf("{\"formats\": [");
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format))
        std::printf("%u, ", format);
    std::printf("0], \"unicode_text_hex\": ");
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        const auto* bytes = static_cast<const unsigned char*>(GlobalLock(data));
        std::printf("\"");
        for (SIZE_T i = 0; i < GlobalSize(data); ++i)
            std::printf("%02x", bytes[i]);
        std::printf("\"");
        GlobalUnlock(data);
    } else {
        std::printf("null");
    }
    std::printf("}\n");
    CloseClipboard();
    return 0;
}

int HoldClipboard(int Seconds)
{
    if (!OpenClipboard(nullptr)) {
        std::fprintf(stderr, "cannot open the clipboard: %lu\n", GetLastError());
        return 1;
    }
    std::printf("holding\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(Seconds) * 1000);
    CloseClipboard();
    return 0;
}

BOOL CALLBACK PrintErrorBox(HWND Window, LPARAM)
{
    if (ClassOf(Window) != "#32770" || !IsWindowVisible(Window))
        return TRUE;
    std::string message;
    for (HWND child = GetWindow(Window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == "Static" && !TextOf(child).empty())
            message = TextOf(child);
    const HWND owner = GetWindow(Window, GW_OWNER);
    std::printf("{\"caption\": %s, \"text\": %s, \"owner_class\": %s},\n", JsonString(TextOf(Window)).c_str(),
                JsonString(message).c_str(), JsonString(owner != nullptr ? ClassOf(owner) : "").c_str());
    return TRUE;
}

int PrintErrorBoxes()
{
    std::printf("[\n");
    EnumWindows(PrintErrorBox, 0);
    std::printf("{}]\n");
    return 0;
}

BOOL CALLBACK CloseKelvaroWindow(HWND Window, LPARAM)
{
    if (ClassOf(Window) == "TFormKelvaroWin")
        PostMessageW(Window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return TRUE;
}

int StartWithShowRequest(int ShowCommand, const char* Program)
{
    std::wstring commandLine(Program, Program + std::strlen(Program));
    commandLine = L"\"" + commandLine + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(ShowCommand);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "cannot start %s: %lu\n", Program, GetLastError());
        return 1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}

int PrintSystemMessage(DWORD Error)
{
    wchar_t* buffer = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    if (FormatMessageW(flags, nullptr, Error, MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN),
                       reinterpret_cast<wchar_t*>(&buffer), 0, nullptr) == 0)
        return 1;
    std::printf("%s", Utf8(buffer).c_str());
    LocalFree(buffer);
    return 0;
}

} // namespace

int main(int ArgumentCount, char** Arguments)
{
    const std::string command = ArgumentCount > 1 ? Arguments[1] : "";
    if (command == "window")
        return PrintWindows();
    if (command == "clipboard")
        return PrintClipboard();
    if (command == "hold-clipboard" && ArgumentCount > 2)
        return HoldClipboard(std::atoi(Arguments[2]));
    if (command == "error-box")
        return PrintErrorBoxes();
    if (command == "close")
        return EnumWindows(CloseKelvaroWindow, 0) ? 0 : 1;
    if (command == "system-message" && ArgumentCount > 2)
        return PrintSystemMessage(static_cast<DWORD>(std::atoi(Arguments[2])));
    if (command == "start" && ArgumentCount > 3)
        return StartWithShowRequest(std::atoi(Arguments[2]), Arguments[3]);
    std::fprintf(stderr, "usage: probe window | clipboard | hold-clipboard SECONDS | error-box | close | system-message N | start SHOW PROGRAM\n");
    return 2;
}
