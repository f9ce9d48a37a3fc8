#include "StdCtrls.h"

#include "Dpi.h"

namespace vcl {

TLabel::TLabel() { RegisterOwnClass(WindowClassName()); }

void TLabel::SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value)
{
    if (PropertyName == "Caption")
        CaptionText = StringValue(Value);
    else if (PropertyName == "Alignment")
        Alignment = AlignmentValue(Value);
    else
        TControl::SetProperty(PropertyName, Value);
}

UINT TLabel::TextFormat() const
{
    const UINT alignment = Alignment == TAlignment::taCenter         ? DT_CENTER
                           : Alignment == TAlignment::taRightJustify ? DT_RIGHT
                                                                     : DT_LEFT;
    return DT_NOPREFIX | DT_EXPANDTABS | alignment;
}

void TLabel::Paint(HDC DeviceContext) const
{
    RECT client;
    GetClientRect(Window, &client);
    FillRect(DeviceContext, &client, Color().Brush());
    const HGDIOBJ previousFont = SelectObject(DeviceContext, Font().Handle(Dpi()));
    SetBkMode(DeviceContext, TRANSPARENT);
    SetTextColor(DeviceContext, Font().Color.Rgb());
    DrawTextW(DeviceContext, AsWide(CaptionText), static_cast<int>(CaptionText.size()), &client, TextFormat());
    SelectObject(DeviceContext, previousFont);
}

SIZE TLabel::DeviceSize() const
{
    const HDC deviceContext = GetDC(Window);
    const HGDIOBJ previousFont = SelectObject(deviceContext, Font().Handle(Dpi()));
    RECT extent{0, 0, 0, 0};
    // An empty caption still takes the height of one line.
    const std::u16string measured = CaptionText.empty() ? u" " : CaptionText;
    DrawTextW(deviceContext, AsWide(measured), static_cast<int>(measured.size()), &extent,
              DT_CALCRECT | TextFormat());
    // The last character's ink may reach past its advance ("t" does in some
    // faces), and smoothing spreads it by one more pixel; the label must be
    // wide enough to show it.
    GLYPHMETRICS glyph{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    if (GetGlyphOutlineW(deviceContext, measured.back(), GGO_METRICS, &glyph, 0, nullptr, &identity) != GDI_ERROR) {
        const LONG overhang = glyph.gmptGlyphOrigin.x + static_cast<LONG>(glyph.gmBlackBoxX) - glyph.gmCellIncX;
        if (overhang > 0)
            extent.right += overhang + 1;
    }
    SelectObject(deviceContext, previousFont);
    ReleaseDC(Window, deviceContext);
    return {CaptionText.empty() ? 0 : extent.right, extent.bottom};
}

POINT TLabel::DevicePosition() const
{
    POINT position = TControl::DevicePosition();
    // A right-aligned label grows to the left: its right edge stays.
    if (Alignment == TAlignment::taRightJustify)
        position.x += ScaleToDpi(Width, Dpi()) - DeviceSize().cx;
    return position;
}

void TLabel::SetCaption(const std::u16string& Text)
{
    CaptionText = Text;
    SetWindowTextW(Window, AsWide(CaptionText));
    InvalidateRect(Window, nullptr, FALSE);
    Relayout();
}

void TEdit::CreateHandle()
{
    TWinControl::CreateHandle();
    // Zero lifts the edit control's default limit of 32,767 characters.
    SendMessageW(Window, EM_SETLIMITTEXT, 0, 0);
}

std::u16string TEdit::Text() const
{
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(Window)) + 1, u'\0');
    const int copied = GetWindowTextW(Window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

HBRUSH TEdit::HandleColorMessage(HDC) { return nullptr; }

void TButton::SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value)
{
    if (PropertyName == "Caption")
        CaptionText = StringValue(Value);
    else
        TWinControl::SetProperty(PropertyName, Value);
}

void TButton::HandleCommand(WORD NotificationCode)
{
    if (NotificationCode == BN_CLICKED && OnClick)
        OnClick(this);
}

} // namespace vcl
