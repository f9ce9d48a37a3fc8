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
//   probe memory             the working set of Kelvaro's process
//   probe soak N             derives and copies N times in Kelvaro's window, a new
//                            application name each time, and prints figures
//   probe start SHOW PROGRAM starts PROGRAM with the show request SHOW (an SW_ value)
//                            and returns its exit code when it ends
#include <windows.h>
#include <psapi.h>

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

struct TSoakControls
{
    HWND Form = nullptr;
    std::vector<HWND> Edits;
    HWND CreateButton = nullptr;
    HWND CopyButton = nullptr;
    HWND PasswordLabel = nullptr;
};

BOOL CALLBACK CollectSoakControl(HWND Child, LPARAM Controls)
{
    auto& controls = *reinterpret_cast<TSoakControls*>(Controls);
    const std::string kind = ClassOf(Child);
    RECT rect;
    GetWindowRect(Child, &rect);
    MapWindowPoints(nullptr, GetParent(Child), reinterpret_cast<POINT*>(&rect), 2);
    if (kind == "Edit")
        controls.Edits.push_back(Child);
    else if (kind == "Button" && TextOf(Child) == "Mein Passwort")
        controls.CreateButton = Child;
    else if (kind == "KelvaroSpeedButton")
        controls.CopyButton = Child;
    else if (kind == "KelvaroLabel" && rect.left == 219 && rect.top == 283)
        controls.PasswordLabel = Child;
    return TRUE;
}

int Soak(int Cycles)
{
    TSoakControls controls;
    controls.Form = FindWindowW(L"TFormKelvaroWin", nullptr);
    if (controls.Form == nullptr)
        return 1;
    EnumChildWindows(controls.Form, CollectSoakControl, reinterpret_cast<LPARAM>(&controls));
    if (controls.Edits.size() != 3 || !controls.CreateButton || !controls.CopyButton || !controls.PasswordLabel)
        return 1;
    DWORD processId = 0;
    GetWindowThreadProcessId(controls.Form, &processId);
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);

    for (int cycle = 1; cycle <= Cycles; ++cycle) {
        const std::wstring application = L"soak-" + std::to_wstring(cycle);
        SendMessageW(controls.Edits[2], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(application.c_str()));
        SendMessageW(controls.CreateButton, BM_CLICK, 0, 0);
        SendMessageW(controls.CopyButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(controls.CopyButton, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        if (cycle % 100 != 0 && cycle != 1)
            continue;
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        std::printf("{\"cycle\": %d, \"working_set\": %zu, \"private\": %zu, \"gdi_objects\": %lu, "
                    "\"user_objects\": %lu, \"shown\": %s}\n",
                    cycle, memory.WorkingSetSize, memory.PrivateUsage, GetGuiResources(process, GR_GDIOBJECTS),
                    GetGuiResources(process, GR_USEROBJECTS), JsonString(TextOf(controls.PasswordLabel)).c_str());
        std::fflush(stdout);
    }
    CloseHandle(process);
    return 0;
}

int PrintMemory()
{
    const HWND form = FindWindowW(L"TFormKelvaroWin", nullptr);
    DWORD processId = 0;
    GetWindowThreadProcessId(form, &processId);
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (form == nullptr || process == nullptr || !GetProcessMemoryInfo(process, &memory, sizeof memory))
        return 1;
    std::printf("{\"working_set\": %zu, \"peak_working_set\": %zu}\n", memory.WorkingSetSize,
                memory.PeakWorkingSetSize);
    CloseHandle(process);
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
    if (command == "memory")
        return PrintMemory();
    if (command == "soak" && ArgumentCount > 2)
        return Soak(std::atoi(Arguments[2]));
    if (command == "start" && ArgumentCount > 3)
        return StartWithShowRequest(std::atoi(Arguments[2]), Arguments[3]);
    std::fprintf(stderr, "usage: probe window | clipboard | hold-clipboard SECONDS | error-box | close | system-message N | memory | soak N | start SHOW PROGRAM\n");
    return 2;
}
