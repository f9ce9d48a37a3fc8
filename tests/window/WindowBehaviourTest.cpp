// Focus, keyboard and resizing, through the same message handling as the program.
#include "WindowFixture.h"

#include "Dpi.h"

#include <algorithm>

namespace {

const std::u16string Asterisks = u"*****************";

TEST_F(TWindowFixture, FocusStartsOnMeinPasswort)
{
    EXPECT_EQ(GetFocus(), Form->ButtonCreatePW->Handle());
}

TEST_F(TWindowFixture, TabVisitsControlsInTabOrder)
{
    const vcl::TControl* expected[] = {Form->ButtonEnde, Form->EditUser, Form->EditMaster, Form->EditApplikation,
                                       Form->ButtonCreatePW};
    for (const vcl::TControl* next : expected) {
        PressKey(VK_TAB);
        EXPECT_EQ(GetFocus(), next->Handle()) << "expected " << next->Name;
    }
}

TEST_F(TWindowFixture, EnterInAnEditFieldAndEscapeDoNothing)
{
    SetFocus(Form->EditUser->Handle());
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(Form->Handle()));
    EXPECT_EQ(GetFocus(), Form->EditUser->Handle());
    EXPECT_EQ(Form->LabelPW->Caption(), Asterisks);

    SetFocus(Form->ButtonEnde->Handle());
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(Form->Handle()));
}

TEST_F(TWindowFixture, SpeedButtonNeverTakesTheFocus)
{
    EXPECT_EQ(GetWindowLongW(Form->SpeedButtonClipboard->Handle(), GWL_STYLE) & WS_TABSTOP, 0);
    const HWND button = Form->SpeedButtonClipboard->Handle();
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ProcessMessages();
    EXPECT_EQ(GetFocus(), Form->ButtonCreatePW->Handle());
}

// Where controls overlap, a later one in the definition lies on top, as the
// copy button does over a long LabelPW.
TEST_F(TWindowFixture, LaterControlsLieOnTopOfEarlierOnes)
{
    std::vector<HWND> topToBottom;
    for (HWND child = GetWindow(Form->Handle(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        topToBottom.push_back(child);
    auto depth = [&topToBottom](const vcl::TControl* Control) {
        return std::find(topToBottom.begin(), topToBottom.end(), Control->Handle()) - topToBottom.begin();
    };
    EXPECT_LT(depth(Form->SpeedButtonClipboard), depth(Form->LabelKelvaro));
    EXPECT_LT(depth(Form->LabelKelvaro), depth(Form->LabelPW));
}

TEST_F(TWindowFixture, EnlargingMovesOnlyTheCopyrightPanel)
{
    std::vector<std::pair<const vcl::TControl*, RECT>> before;
    for (const vcl::TControl* control :
         std::initializer_list<const vcl::TControl*>{Form->LabelPW, Form->LabelKelvaro, Form->SpeedButtonClipboard,
                                                      Form->ButtonCreatePW, Form->ButtonEnde, Form->PanelEingabefeld,
                                                      Form->EditUser, Form->LabelUser, Form->PanelLogo,
                                                      Form->ImageLogo, Form->LabelVersion})
        before.emplace_back(control, RectInParent(*control));

    RECT window;
    GetWindowRect(Form->Handle(), &window);
    SetWindowPos(Form->Handle(), nullptr, 0, 0, window.right - window.left + 200, window.bottom - window.top + 100,
                 SWP_NOMOVE | SWP_NOZORDER);
    ProcessMessages();

    for (const auto& [control, rect] : before) {
        SCOPED_TRACE(control->Name);
        const RECT now = RectInParent(*control);
        EXPECT_TRUE(EqualRect(&now, &rect));
    }
    const RECT client = ClientRect(Form->Handle());
    const RECT copyright = RectInParent(*Form->PanelCopyright);
    EXPECT_EQ(client.right, Scaled(602) + 200);
    EXPECT_EQ(copyright.right, client.right);
    EXPECT_EQ(copyright.bottom, client.bottom);
    EXPECT_EQ(copyright.bottom - copyright.top, Scaled(20));
}

// Moving to a monitor of another DPI: the system suggests a new window
// rectangle, and every position, size and font follows the new DPI.
TEST_F(TWindowFixture, DpiChangeScalesTheLayoutAgain)
{
    const UINT newDpi = Dpi * 2;
    const SIZE outer = vcl::WindowSizeForClient(vcl::ScaleToDpi(602, newDpi), vcl::ScaleToDpi(380, newDpi),
                                                WS_OVERLAPPEDWINDOW, WS_EX_CONTROLPARENT, newDpi);
    RECT suggested{0, 0, outer.cx, outer.cy};
    SendMessageW(Form->Handle(), WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&suggested));
    ProcessMessages();
    Dpi = newDpi;

    // The window takes the suggested rectangle; its frame, and so its client
    // size, is the system's business.
    EXPECT_EQ(Form->Dpi(), newDpi);
    const RECT client = ClientRect(Form->Handle());
    const RECT button = RectInParent(*Form->ButtonCreatePW);
    EXPECT_EQ(button.left, Scaled(244));
    EXPECT_EQ(button.bottom - button.top, Scaled(25));
    const RECT edit = RectInParent(*Form->EditMaster);
    EXPECT_EQ(edit.top, Scaled(61));
    EXPECT_EQ(edit.right - edit.left, Scaled(121));
    const RECT copyright = RectInParent(*Form->PanelCopyright);
    EXPECT_EQ(copyright.bottom - copyright.top, Scaled(20));
    EXPECT_EQ(copyright.bottom, client.bottom);

    const HFONT editFont = reinterpret_cast<HFONT>(SendMessageW(Form->EditMaster->Handle(), WM_GETFONT, 0, 0));
    LOGFONTW font{};
    GetObjectW(editFont, sizeof font, &font);
    EXPECT_EQ(font.lfHeight, Scaled(-12));
}

} // namespace
