#include "Buttons.h"

#include <windowsx.h>

namespace vcl {

TSpeedButton::TSpeedButton() { RegisterOwnClass(WindowClassName()); }

void TSpeedButton::SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value)
{
    if (PropertyName == "Glyph.Data")
        GlyphPicture.LoadFromPng(BinaryValue(Value));
    else
        TControl::SetProperty(PropertyName, Value);
}

LRESULT TSpeedButton::HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(Window);
        Tracking = true;
        SetPressed(true);
        return 0;
    case WM_MOUSEMOVE:
        if (Tracking)
            SetPressed(CursorInside(LParam));
        return 0;
    case WM_LBUTTONUP:
        if (!Tracking)
            return 0;
        Tracking = false;
        ReleaseCapture();
        SetPressed(false);
        if (CursorInside(LParam) && OnClick)
            OnClick(this);
        return 0;
    case WM_CAPTURECHANGED:
        Tracking = false;
        SetPressed(false);
        return 0;
    default:
        return TControl::HandleMessage(Message, WParam, LParam);
    }
}

bool TSpeedButton::CursorInside(LPARAM Position) const
{
    RECT client;
    GetClientRect(Window, &client);
    const POINT cursor{GET_X_LPARAM(Position), GET_Y_LPARAM(Position)};
    return PtInRect(&client, cursor) != 0;
}

void TSpeedButton::SetPressed(bool NowPressed)
{
    if (Pressed == NowPressed)
        return;
    Pressed = NowPressed;
    InvalidateRect(Window, nullptr, FALSE);
}

void TSpeedButton::Paint(HDC DeviceContext) const
{
    RECT client;
    GetClientRect(Window, &client);
    FillRect(DeviceContext, &client, Color().Brush());
    DrawEdge(DeviceContext, &client, Pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    // Pressed, the picture moves by a pixel, as on a push button.
    const int shift = Pressed ? 1 : 0;
    GlyphPicture.Draw(DeviceContext, (client.right - GlyphPicture.Width()) / 2 + shift,
                      (client.bottom - GlyphPicture.Height()) / 2 + shift);
}

} // namespace vcl
