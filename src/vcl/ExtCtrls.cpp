#include "ExtCtrls.h"

namespace vcl {

using kelvaro::TDefinitionError;

TPanel::TPanel() { RegisterOwnClass(WindowClassName()); }

void TPanel::SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value)
{
    if (PropertyName == "Caption") {
        CaptionText = StringValue(Value);
    } else if (PropertyName == "Alignment") {
        Alignment = AlignmentValue(Value);
    } else if (PropertyName == "BevelOuter") {
        const std::string& bevel = IdentifierValue(Value);
        if (bevel != "bvNone" && bevel != "bvRaised")
            throw TDefinitionError("unbekannter Rahmen " + bevel);
        RaisedBevel = bevel == "bvRaised";
    } else {
        TWinControl::SetProperty(PropertyName, Value);
    }
}

LRESULT TPanel::HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_SIZE)
        InvalidateRect(Window, nullptr, TRUE); // the caption stays centred
    return TWinControl::HandleMessage(Message, WParam, LParam);
}

void TPanel::Paint(HDC DeviceContext) const
{
    RECT client;
    GetClientRect(Window, &client);
    if (RaisedBevel)
        DrawEdge(DeviceContext, &client, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    if (CaptionText.empty())
        return;
    const HGDIOBJ previousFont = SelectObject(DeviceContext, Font().Handle(Dpi()));
    SetBkMode(DeviceContext, TRANSPARENT);
    SetTextColor(DeviceContext, Font().Color.Rgb());
    const UINT alignment = Alignment == TAlignment::taCenter         ? DT_CENTER
                           : Alignment == TAlignment::taRightJustify ? DT_RIGHT
                                                                     : DT_LEFT;
    DrawTextW(DeviceContext, AsWide(CaptionText), static_cast<int>(CaptionText.size()), &client,
              alignment | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(DeviceContext, previousFont);
}

TImage::TImage() { RegisterOwnClass(WindowClassName()); }

void TImage::SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value)
{
    if (PropertyName == "Center") {
        Center = BooleanValue(Value);
    } else if (PropertyName == "Picture.Data") {
        ShownPicture.LoadFromPng(BinaryValue(Value));
    } else {
        TControl::SetProperty(PropertyName, Value);
    }
}

void TImage::Paint(HDC DeviceContext) const
{
    RECT client;
    GetClientRect(Window, &client);
    FillRect(DeviceContext, &client, Color().Brush());
    const int left = Center ? (client.right - ShownPicture.Width()) / 2 : 0;
    const int top = Center ? (client.bottom - ShownPicture.Height()) / 2 : 0;
    ShownPicture.Draw(DeviceContext, left, top);
}

} // namespace vcl
