#pragma once

#include "Controls.h"

namespace vcl {

// Static text that sizes itself to its caption. "&" is shown as it is.
class TLabel : public TControl
{
public:
    TLabel();
    void SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value) override;
    SIZE DeviceSize() const override;
    POINT DevicePosition() const override;

    const std::u16string& Caption() const { return CaptionText; }
    // Shows Text at once; the label takes the size of the new text.
    void SetCaption(const std::u16string& Text);

protected:
    const wchar_t* WindowClassName() const override { return L"KelvaroLabel"; }
    std::u16string WindowText() const override { return CaptionText; }
    void Paint(HDC DeviceContext) const override;

private:
    // Measuring and drawing use the same text layout, so the text always fits.
    UINT TextFormat() const;

    std::u16string CaptionText;
    TAlignment Alignment = TAlignment::taLeftJustify;
};

// Single-line text entry; characters shown in clear, no length limit.
class TEdit : public TWinControl
{
public:
    void CreateHandle() override;
    // The field's current contents.
    std::u16string Text() const;
    HBRUSH HandleColorMessage(HDC DeviceContext) override;

protected:
    const wchar_t* WindowClassName() const override { return L"EDIT"; }
    DWORD WindowStyle() const override { return WS_TABSTOP | ES_AUTOHSCROLL; }
    DWORD WindowExStyle() const override { return WS_EX_CLIENTEDGE; }
};

// Push button. A mouse click, or Space or Enter while it has the focus, calls OnClick.
class TButton : public TWinControl
{
public:
    void SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value) override;
    bool HasClickEvent() const override { return true; }
    void HandleCommand(WORD NotificationCode) override;

    const std::u16string& Caption() const { return CaptionText; }

protected:
    const wchar_t* WindowClassName() const override { return L"BUTTON"; }
    DWORD WindowStyle() const override { return WS_TABSTOP | BS_PUSHBUTTON; }
    std::u16string WindowText() const override { return CaptionText; }

private:
    std::u16string CaptionText;
};

} // namespace vcl
