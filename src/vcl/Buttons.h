#pragma once

#include "Controls.h"

namespace vcl {

// A button showing a picture. It never takes the keyboard focus and is not
// in the tab order: only the mouse clicks it.
class TSpeedButton : public TControl
{
public:
    TSpeedButton();
    void SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value) override;
    bool HasClickEvent() const override { return true; }

    const TPicture& Glyph() const { return GlyphPicture; }

protected:
    const wchar_t* WindowClassName() const override { return L"KelvaroSpeedButton"; }
    LRESULT HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam) override;
    void Paint(HDC DeviceContext) const override;

private:
    bool CursorInside(LPARAM Position) const;
    void SetPressed(bool NowPressed);

    TPicture GlyphPicture;
    bool Tracking = false; // the mouse button went down on us and is still down
    bool Pressed = false;  // ... and the cursor is over us
};

} // namespace vcl
