#pragma once

#include <windows.h>

namespace vcl {

// Definitions give positions, sizes and font heights in pixels at 96 DPI.
constexpr UINT DesignDpi = 96;

inline int ScaleToDpi(int DesignValue, UINT Dpi)
{
    return MulDiv(DesignValue, static_cast<int>(Dpi), static_cast<int>(DesignDpi));
}

// The DPI a window is shown at. Per-monitor functions are asked for where the
// system has them (Windows 10 and later), otherwise the system DPI is used.
UINT DpiOfWindow(HWND Window);

// The outer size of a window whose client area is ClientWidth x ClientHeight.
SIZE WindowSizeForClient(int ClientWidth, int ClientHeight, DWORD Style, DWORD ExStyle, UINT Dpi);

} // namespace vcl
