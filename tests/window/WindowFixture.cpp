#include "WindowFixture.h"

#include "Dpi.h"

void TWindowFixture::SetUp()
{
    Form = std::make_unique<TFormKelvaroWin>();
    Form->LoadFromResource();
    Form->Show(SW_SHOWNORMAL);
    SetForegroundWindow(Form->Handle());
    ProcessMessages();
    Dpi = vcl::DpiOfWindow(Form->Handle());
}

void TWindowFixture::TearDown()
{
    Form.reset();
    ProcessMessages();
}

void TWindowFixture::ProcessMessages()
{
    // Twice with a pause: some messages are only posted while others are handled.
    for (int round = 0; round < 2; ++round) {
        vcl::Application->ProcessMessages();
        Sleep(20);
    }
    vcl::Application->ProcessMessages();
}

void TWindowFixture::PressKey(WORD VirtualKey)
{
    const HWND focus = GetFocus();
    const UINT scanCode = MapVirtualKeyW(VirtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(focus, WM_KEYDOWN, VirtualKey, static_cast<LPARAM>(1 | scanCode << 16));
    PostMessageW(focus, WM_KEYUP, VirtualKey, static_cast<LPARAM>(1 | scanCode << 16 | 0xC0000000u));
    ProcessMessages();
}

RECT TWindowFixture::RectInParent(const vcl::TControl& Control)
{
    RECT rect;
    GetWindowRect(Control.Handle(), &rect);
    MapWindowPoints(nullptr, GetParent(Control.Handle()), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT TWindowFixture::ClientRect(HWND Window)
{
    RECT rect;
    GetClientRect(Window, &rect);
    return rect;
}

int TWindowFixture::Scaled(int DesignValue) const { return vcl::ScaleToDpi(DesignValue, Dpi); }
