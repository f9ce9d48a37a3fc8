#include "Dpi.h"

namespace vcl {
namespace {

template <typename TFunction>
TFunction User32Function(const char* Name)
{
    // A plain cast from FARPROC is the documented way to call what GetProcAddress finds.
    return reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), Name)));
}

} // namespace

UINT DpiOfWindow(HWND Window)
{
    using TGetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<TGetDpiForWindow>("GetDpiForWindow");
    if (getDpiForWindow != nullptr)
        return getDpiForWindow(Window);
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

SIZE WindowSizeForClient(int ClientWidth, int ClientHeight, DWORD Style, DWORD ExStyle, UINT Dpi)
{
    using TAdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<TAdjustForDpi>("AdjustWindowRectExForDpi");
    RECT bounds{0, 0, ClientWidth, ClientHeight};
    if (adjustForDpi != nullptr)
        adjustForDpi(&bounds, Style, FALSE, ExStyle, Dpi);
    else
        AdjustWindowRectEx(&bounds, Style, FALSE, ExStyle);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

} // namespace vcl
