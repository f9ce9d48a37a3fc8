#pragma once

#include "Controls.h"

namespace vcl {

// A container that may draw a raised bevel and a caption.
class TPanel : public TWinControl
{
public:
    TPanel();
    void SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value) override;
    bool AcceptsControls() const override { return true; }

    const std::u16string& Caption() const { return CaptionText; }

protected:
    const wchar_t* WindowClassName() const override { return L"KelvaroPanel"; }
    // Tab and the arrow keys move into the controls inside.
    DWORD WindowExStyle() const override { return WS_EX_CONTROLPARENT; }
    DWORD WindowStyle() const override { return WS_CLIPCHILDREN; }
    LRESULT HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam) override;
    void Paint(HDC DeviceContext) const override;

private:
    std::u16string CaptionText;
    TAlignment Alignment = TAlignment::taCenter;
    bool RaisedBevel = true;
};

// Shows a picture at its own size.
class TImage : public TControl
{
public:
    TImage();
    void SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value) override;

    const TPicture& Picture() const { return ShownPicture; }

protected:
    const wchar_t* WindowClassName() const override { return L"KelvaroImage"; }
    void Paint(HDC DeviceContext) const override;

private:
    TPicture ShownPicture;
    bool Center = false;
};

} // namespace vcl
