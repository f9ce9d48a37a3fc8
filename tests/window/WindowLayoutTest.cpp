// The window as its definition describes it, at the DPI the test runs at
// (KELVARO_EXPECTED_DPI, 96 unless set). Expected values are the design
// values in 96-DPI pixels, scaled here.
#include "WindowFixture.h"

#include <cstdlib>
#include <string>

namespace {

std::u16string WindowText(HWND Window)
{
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(Window)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(Window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()))));
    return text;
}

std::string ClassOf(HWND Window)
{
    char name[64] = {};
    GetClassNameA(Window, name, sizeof name);
    return name;
}

TEST_F(TWindowFixture, RunsAtTheExpectedDpi)
{
    const char* expected = std::getenv("KELVARO_EXPECTED_DPI");
    EXPECT_EQ(Dpi, expected != nullptr ? static_cast<UINT>(std::stoi(expected)) : 96u);
}

TEST_F(TWindowFixture, WindowHasCaptionAndClientSize)
{
    EXPECT_EQ(WindowText(Form->Handle()), u"Kelvaro");
    const RECT client = ClientRect(Form->Handle());
    EXPECT_EQ(client.right, Scaled(602));
    EXPECT_EQ(client.bottom, Scaled(380));
    const LONG style = GetWindowLongW(Form->Handle(), GWL_STYLE);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW); // sizeable, system menu, min and max
}

TEST_F(TWindowFixture, WindowIsCentredOnTheScreen)
{
    RECT window;
    GetWindowRect(Form->Handle(), &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(Form->Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR(window.left - monitor.rcMonitor.left, monitor.rcMonitor.right - window.right, 1);
    EXPECT_NEAR(window.top - monitor.rcMonitor.top, monitor.rcMonitor.bottom - window.bottom, 1);
}

// Controls at their own position and size: all but labels and aligned controls.
TEST_F(TWindowFixture, FixedControlsHaveTheirDesignedBounds)
{
    struct TCase
    {
        const vcl::TControl* Control;
        const vcl::TControl* Parent;
        int Left, Top, Width, Height;
    };
    const TCase cases[] = {
        {Form->SpeedButtonClipboard, Form.get(), 400, 278, 36, 36},
        {Form->ButtonCreatePW, Form.get(), 244, 249, 111, 25},
        {Form->ButtonEnde, Form.get(), 264, 320, 75, 24},
        {Form->PanelEingabefeld, Form.get(), 130, 69, 337, 143},
        {Form->EditUser, Form->PanelEingabefeld, 178, 29, 121, 23},
        {Form->EditMaster, Form->PanelEingabefeld, 178, 61, 121, 23},
        {Form->EditApplikation, Form->PanelEingabefeld, 178, 98, 121, 23},
        {Form->PanelLogo, Form.get(), 460, 69, 134, 150},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Control->Name);
        EXPECT_EQ(c.Control->Parent(), c.Parent);
        const RECT rect = RectInParent(*c.Control);
        EXPECT_EQ(rect.left, Scaled(c.Left));
        EXPECT_EQ(rect.top, Scaled(c.Top));
        EXPECT_EQ(rect.right - rect.left, Scaled(c.Width));
        EXPECT_EQ(rect.bottom - rect.top, Scaled(c.Height));
    }
}

// Labels keep their left and top edges and take the size of their text.
TEST_F(TWindowFixture, LabelsSizeThemselvesFromTheirLeftEdge)
{
    struct TCase
    {
        const vcl::TLabel* Label;
        const vcl::TControl* Parent;
        int Left, Top;
        std::u16string Caption;
    };
    const TCase cases[] = {
        {Form->LabelPW, Form.get(), 219, 283, u"*****************"},
        {Form->LabelKelvaro, Form.get(), 143, 6, u"Kelvaro"},
        {Form->LabelUser, Form->PanelEingabefeld, 57, 32, u"User / E-Mail"},
        {Form->LabelMasterPW, Form->PanelEingabefeld, 57, 64, u"MasterPasswort"},
        {Form->LabelApplikation, Form->PanelEingabefeld, 57, 97, u"Applikation"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Label->Name);
        EXPECT_EQ(c.Label->Parent(), c.Parent);
        EXPECT_EQ(WindowText(c.Label->Handle()), c.Caption);
        const RECT rect = RectInParent(*c.Label);
        EXPECT_EQ(rect.left, Scaled(c.Left));
        EXPECT_EQ(rect.top, Scaled(c.Top));

        // The whole text fits: measured independently with the label's font.
        const HDC deviceContext = GetDC(c.Label->Handle());
        SelectObject(deviceContext, c.Label->Font().Handle(Dpi));
        SIZE text;
        GetTextExtentPoint32W(deviceContext, reinterpret_cast<const wchar_t*>(c.Caption.c_str()),
                              static_cast<int>(c.Caption.size()), &text);
        ReleaseDC(c.Label->Handle(), deviceContext);
        printf("DEBUG %s rect %ld,%ld,%ld,%ld text %ld x %ld\n", c.Label->Name.c_str(), rect.left, rect.top, rect.right, rect.bottom, text.cx, text.cy);
        EXPECT_GE(rect.right - rect.left, text.cx);
        EXPECT_GE(rect.bottom - rect.top, text.cy);
    }
}

TEST_F(TWindowFixture, AlignedControlsFollowTheirParentsEdges)
{
    const RECT client = ClientRect(Form->Handle());
    const RECT copyright = RectInParent(*Form->PanelCopyright);
    EXPECT_EQ(copyright.left, 0);
    EXPECT_EQ(copyright.right, client.right);
    EXPECT_EQ(copyright.bottom, client.bottom);
    EXPECT_EQ(copyright.bottom - copyright.top, Scaled(20));

    const RECT logoPanel = ClientRect(Form->PanelLogo->Handle());
    const RECT image = RectInParent(*Form->ImageLogo);
    EXPECT_EQ(image.left, 0);
    EXPECT_EQ(image.top, 0);
    EXPECT_EQ(image.right, logoPanel.right);
    EXPECT_EQ(image.bottom, Scaled(129));

    const RECT version = RectInParent(*Form->LabelVersion);
    EXPECT_EQ(version.left, 0);
    EXPECT_EQ(version.right, logoPanel.right);
    EXPECT_EQ(version.bottom, logoPanel.bottom);
    EXPECT_EQ(WindowText(Form->LabelVersion->Handle()), u"1.0.2");
}

TEST_F(TWindowFixture, CaptionsAndFontsAreThoseOfTheDefinition)
{
    EXPECT_EQ(Form->ButtonCreatePW->Caption(), u"Mein Passwort");
    EXPECT_EQ(WindowText(Form->ButtonCreatePW->Handle()), u"Mein Passwort");
    EXPECT_EQ(WindowText(Form->ButtonEnde->Handle()), u"Ende");
    EXPECT_EQ(Form->SpeedButtonClipboard->Hint, u"klicke zum kopieren");
    EXPECT_TRUE(Form->PanelEingabefeld->Caption().empty());
    EXPECT_TRUE(Form->PanelLogo->Caption().empty());
    EXPECT_FALSE(Form->PanelCopyright->Caption().empty());

    struct TCase
    {
        const vcl::TControl* Control;
        std::u16string Face;
        int Height;
        BYTE Charset;
    };
    const TCase cases[] = {
        {Form.get(), u"Segoe UI", -12, DEFAULT_CHARSET},
        {Form->LabelPW, u"Segoe UI", -23, DEFAULT_CHARSET},
        {Form->LabelKelvaro, u"Castellar", -47, ANSI_CHARSET},
        {Form->LabelUser, u"Segoe UI", -12, DEFAULT_CHARSET},
        {Form->EditMaster, u"Segoe UI", -12, DEFAULT_CHARSET},
        {Form->ButtonEnde, u"Segoe UI", -12, DEFAULT_CHARSET},
        {Form->LabelVersion, u"Segoe UI", -12, DEFAULT_CHARSET},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Control->Name);
        EXPECT_EQ(c.Control->Font().Name, c.Face);
        EXPECT_EQ(c.Control->Font().Height, c.Height);
        EXPECT_EQ(c.Control->Font().Charset, c.Charset);
        // The font in use has the character height asked for, at this DPI.
        const HDC deviceContext = GetDC(nullptr);
        const HGDIOBJ previous = SelectObject(deviceContext, c.Control->Font().Handle(Dpi));
        TEXTMETRICW metrics;
        GetTextMetricsW(deviceContext, &metrics);
        SelectObject(deviceContext, previous);
        ReleaseDC(nullptr, deviceContext);
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, Scaled(-c.Height), 1);
    }
}

TEST_F(TWindowFixture, PicturesHaveTheirSizes)
{
    EXPECT_EQ(Form->ImageLogo->Picture().Width(), 110);
    EXPECT_EQ(Form->ImageLogo->Picture().Height(), 110);
    EXPECT_EQ(Form->SpeedButtonClipboard->Glyph().Width(), 24);
    EXPECT_EQ(Form->SpeedButtonClipboard->Glyph().Height(), 24);
}

TEST_F(TWindowFixture, EditFieldsStartEmptyInClearTextWithoutLimit)
{
    for (const vcl::TEdit* edit : {Form->EditUser, Form->EditMaster, Form->EditApplikation}) {
        SCOPED_TRACE(edit->Name);
        EXPECT_TRUE(edit->Text().empty());
        EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
        EXPECT_GT(SendMessageW(edit->Handle(), EM_GETLIMITTEXT, 0, 0), 0x7FFF0000);
    }
    const std::u16string longText(40000, u'x');
    SetWindowTextW(Form->EditUser->Handle(), reinterpret_cast<const wchar_t*>(longText.c_str()));
    EXPECT_EQ(Form->EditUser->Text(), longText);
}

} // namespace
