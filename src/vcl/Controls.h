#pragma once

#include "FormDefinition.h"
#include "Graphics.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vcl {

class TObject
{
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

enum class TAlign { alNone, alTop, alBottom };
enum class TAlignment { taLeftJustify, taCenter, taRightJustify };

class TWinControl;

// Anything placed in a window. Each control is a child window of its parent;
// its position and size are kept in pixels at 96 DPI and scaled when placed.
class TControl : public TObject
{
public:
    ~TControl() override;

    std::string Name;
    TNotifyEvent OnClick;
    std::u16string Hint;

    TWinControl* Parent() const { return ParentControl; }
    HWND Handle() const { return Window; }
    TAlign Align() const { return AlignMode; }

    // Called for each property of the control's definition. A property the
    // kind of control does not have raises TDefinitionError.
    virtual void SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value);
    // Whether the control ever calls OnClick.
    virtual bool HasClickEvent() const { return false; }

    // Makes the window (and those of any children) inside the parent's window.
    virtual void CreateHandle();
    // Called when the DPI the control is shown at changes, and once after creation.
    virtual void ApplyDpi();

    // The size the control takes at the current DPI, in device pixels.
    virtual SIZE DeviceSize() const;
    // Where the parent places the control when it is not aligned, in device pixels.
    virtual POINT DevicePosition() const;

    virtual UINT Dpi() const;
    const TFont& Font() const;
    TColor Color() const;

    // Called by the parent's window for notifications that concern this control.
    virtual void HandleCommand(WORD NotificationCode);
    // A brush to paint the control's background with, or nullptr for the system's.
    virtual HBRUSH HandleColorMessage(HDC DeviceContext);

    static TControl* FromHandle(HWND Window);

protected:
    TControl() = default;

    virtual const wchar_t* WindowClassName() const = 0;
    virtual DWORD WindowStyle() const { return 0; }
    virtual DWORD WindowExStyle() const { return 0; }
    virtual std::u16string WindowText() const { return {}; }
    // Called for every message of the windows of our own classes.
    virtual LRESULT HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam);
    // Called to draw a window of our own classes; controls that are not
    // containers draw all of their area, background included.
    virtual void Paint(HDC DeviceContext) const;

    void SetParentControl(TWinControl* NewParent) { ParentControl = NewParent; }
    // Places the control again (after its size changed).
    void Relayout();

    // Registers a window class of ours whose messages go to HandleMessage.
    static void RegisterOwnClass(const wchar_t* ClassName, HICON Icon = nullptr);

    HWND Window = nullptr;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::optional<TFont> OwnFont;
    std::optional<TColor> OwnColor;

private:
    friend class TWinControl;
    static LRESULT CALLBACK OwnWindowProcedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);

    TWinControl* ParentControl = nullptr;
    TAlign AlignMode = TAlign::alNone;
};

// A control that can hold the keyboard focus or other controls.
class TWinControl : public TControl
{
public:
    void SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value) override;
    void CreateHandle() override;
    void ApplyDpi() override;

    // Whether other controls may be placed inside (panels and forms).
    virtual bool AcceptsControls() const { return false; }
    // Takes ownership of Child, which is placed inside this control.
    TControl& AddChild(std::unique_ptr<TControl> Child);
    const std::vector<std::unique_ptr<TControl>>& Children() const { return ChildControls; }
    // Aligned children along the edges, all others at their own position.
    void LayoutChildren();

    int TabOrder = -1; // -1: not in the tab order

protected:
    LRESULT HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam) override;
    // Makes the children's windows inside this one, once it has its own.
    void CreateChildHandles();

private:
    // Stacks the children: focusable ones on top in tab order, the others
    // beneath, later ones over earlier ones.
    void ArrangeZOrder();

    std::vector<std::unique_ptr<TControl>> ChildControls;
};

// Property value access for SetProperty implementations.
int IntegerValue(const kelvaro::TPropertyValue& Value);
const std::u16string& StringValue(const kelvaro::TPropertyValue& Value);
const std::string& IdentifierValue(const kelvaro::TPropertyValue& Value);
bool BooleanValue(const kelvaro::TPropertyValue& Value);
const kelvaro::TBinaryData& BinaryValue(const kelvaro::TPropertyValue& Value);
TAlignment AlignmentValue(const kelvaro::TPropertyValue& Value);
const wchar_t* AsWide(const std::u16string& Text);

} // namespace vcl
