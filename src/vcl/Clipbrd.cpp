#include "Clipbrd.h"

#include "Forms.h"
#include "Utf8.h"

#include <cstring>
#include <stdexcept>

namespace vcl {
namespace {

// The system's description of an error, in German where the system has it,
// without its closing full stop and line break.
std::u16string SystemErrorMessage(DWORD Error)
{
    wchar_t* buffer = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    DWORD length = FormatMessageW(flags, nullptr, Error, MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN),
                                  reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0)
        length = FormatMessageW(flags, nullptr, Error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string message(reinterpret_cast<const char16_t*>(buffer), length);
    LocalFree(buffer);
    while (!message.empty() && (message.back() == u'\r' || message.back() == u'\n' || message.back() == u'.' ||
                                message.back() == u' '))
        message.pop_back();
    if (message.empty()) {
        const std::string code = std::to_string(Error);
        message = u"Fehler " + std::u16string(code.begin(), code.end());
    }
    return message;
}

} // namespace

TClipboard::~TClipboard()
{
    if (OwnWindow != nullptr)
        DestroyWindow(OwnWindow);
}

HWND TClipboard::OwnerWindow()
{
    if (Application->Handle() != nullptr)
        return Application->Handle();
    if (OwnWindow == nullptr)
        OwnWindow = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    return OwnWindow;
}

void TClipboard::Open()
{
    if (OpenCount == 0 && !OpenClipboard(OwnerWindow())) {
        const std::u16string reason = SystemErrorMessage(GetLastError());
        throw std::runtime_error("Zwischenablage " + kelvaro::EncodeUtf8String(reason) + " kann nicht geöffnet werden");
    }
    ++OpenCount;
}

void TClipboard::Close()
{
    if (OpenCount == 0)
        return;
    if (--OpenCount == 0)
        CloseClipboard();
}

void TClipboard::Clear()
{
    Open();
    EmptyClipboard();
    Close();
}

void TClipboard::SetAsText(const std::u16string& Text)
{
    const TClipboardOpened opened(*this);
    EmptyClipboard();
    const std::size_t size = (Text.size() + 1) * sizeof(char16_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    void* data = memory != nullptr ? GlobalLock(memory) : nullptr;
    if (data == nullptr) {
        if (memory != nullptr)
            GlobalFree(memory);
        throw std::runtime_error("Systemressourcen erschöpft");
    }
    std::memcpy(data, Text.c_str(), size);
    GlobalUnlock(memory);
    // From here on the clipboard owns the memory, unless it refuses it.
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
        throw std::runtime_error("Systemressourcen erschöpft");
    }
}

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}

} // namespace vcl
