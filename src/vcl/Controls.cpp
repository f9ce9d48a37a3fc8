#include "Controls.h"

#include "Dpi.h"
#include "Forms.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace vcl {
namespace {

using kelvaro::TDefinitionError;
using kelvaro::TIdentifier;
using kelvaro::TPropertyValue;

// Identifiers of child windows start above those IsDialogMessage sends for
// Enter and Escape (IDOK, IDCANCEL), so neither ever reaches a control.
UINT_PTR NextChildId()
{
    static UINT_PTR next = 100;
    return next++;
}

TAlign AlignValue(const TPropertyValue& Value)
{
    const std::string& name = IdentifierValue(Value);
    if (name == "alNone")
        return TAlign::alNone;
    if (name == "alTop")
        return TAlign::alTop;
    if (name == "alBottom")
        return TAlign::alBottom;
    throw TDefinitionError("unbekannte Ausrichtung " + name);
}

} // namespace

int IntegerValue(const TPropertyValue& Value)
{
    const auto* number = std::get_if<std::int64_t>(&Value);
    if (number == nullptr)
        throw TDefinitionError("Zahl erwartet");
    if (*number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
        throw TDefinitionError("Zahl außerhalb des Bereichs");
    return static_cast<int>(*number);
}

const std::u16string& StringValue(const TPropertyValue& Value)
{
    const auto* text = std::get_if<std::u16string>(&Value);
    if (text == nullptr)
        throw TDefinitionError("Zeichenkette erwartet");
    return *text;
}

const std::string& IdentifierValue(const TPropertyValue& Value)
{
    const auto* identifier = std::get_if<TIdentifier>(&Value);
    if (identifier == nullptr)
        throw TDefinitionError("Bezeichner erwartet");
    return identifier->Name;
}

bool BooleanValue(const TPropertyValue& Value)
{
    const std::string& name = IdentifierValue(Value);
    if (name == "True")
        return true;
    if (name == "False")
        return false;
    throw TDefinitionError("True oder False erwartet");
}

const kelvaro::TBinaryData& BinaryValue(const TPropertyValue& Value)
{
    const auto* data = std::get_if<kelvaro::TBinaryData>(&Value);
    if (data == nullptr)
        throw TDefinitionError("Binärdaten erwartet");
    return *data;
}

TAlignment AlignmentValue(const TPropertyValue& Value)
{
    const std::string& name = IdentifierValue(Value);
    if (name == "taLeftJustify")
        return TAlignment::taLeftJustify;
    if (name == "taCenter")
        return TAlignment::taCenter;
    if (name == "taRightJustify")
        return TAlignment::taRightJustify;
    throw TDefinitionError("unbekannte Textausrichtung " + name);
}

const wchar_t* AsWide(const std::u16string& Text) { return reinterpret_cast<const wchar_t*>(Text.c_str()); }

TControl::~TControl() = default;

void TControl::SetProperty(const std::string& PropertyName, const TPropertyValue& Value)
{
    if (PropertyName == "Left") {
        Left = IntegerValue(Value);
    } else if (PropertyName == "Top") {
        Top = IntegerValue(Value);
    } else if (PropertyName == "Width") {
        Width = IntegerValue(Value);
    } else if (PropertyName == "Height") {
        Height = IntegerValue(Value);
    } else if (PropertyName == "Align") {
        AlignMode = AlignValue(Value);
    } else if (PropertyName == "Color") {
        OwnColor = TColor::FromName(IdentifierValue(Value));
    } else if (PropertyName == "Hint") {
        Hint = StringValue(Value);
    } else if (PropertyName.starts_with("Font.")) {
        // A font of its own starts as a copy of the one it would inherit.
        if (!OwnFont)
            OwnFont.emplace(Font());
        const std::string fontProperty = PropertyName.substr(5);
        if (fontProperty == "Name")
            OwnFont->Name = StringValue(Value);
        else if (fontProperty == "Height")
            OwnFont->Height = IntegerValue(Value);
        else if (fontProperty == "Color")
            OwnFont->Color = TColor::FromName(IdentifierValue(Value));
        else if (fontProperty == "Charset")
            OwnFont->SetCharsetByName(IdentifierValue(Value));
        else if (fontProperty == "Style" && std::holds_alternative<kelvaro::TNameSet>(Value))
            OwnFont->SetStyleByNames(std::get<kelvaro::TNameSet>(Value));
        else
            throw TDefinitionError("unbekannte Eigenschaft " + PropertyName);
    } else {
        throw TDefinitionError("unbekannte Eigenschaft " + PropertyName);
    }
}

void TControl::CreateHandle()
{
    const HWND created = CreateWindowExW(
        WindowExStyle(), WindowClassName(), AsWide(WindowText()),
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WindowStyle(), 0, 0, 0, 0, Parent()->Handle(),
        reinterpret_cast<HMENU>(NextChildId()), GetModuleHandleW(nullptr), this);
    if (created == nullptr)
        throw std::runtime_error("Das Steuerelement " + Name + " kann nicht erstellt werden.");
    // Windows of the system's classes are found by the same pointer as ours.
    Window = created;
    SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TControl::ApplyDpi()
{
    SendMessageW(Window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle(Dpi())), FALSE);
    InvalidateRect(Window, nullptr, TRUE);
}

SIZE TControl::DeviceSize() const { return {ScaleToDpi(Width, Dpi()), ScaleToDpi(Height, Dpi())}; }

POINT TControl::DevicePosition() const { return {ScaleToDpi(Left, Dpi()), ScaleToDpi(Top, Dpi())}; }

UINT TControl::Dpi() const { return Parent()->Dpi(); }

const TFont& TControl::Font() const { return OwnFont ? *OwnFont : Parent()->Font(); }

TColor TControl::Color() const { return OwnColor ? *OwnColor : Parent()->Color(); }

void TControl::HandleCommand(WORD) {}

HBRUSH TControl::HandleColorMessage(HDC DeviceContext)
{
    SetTextColor(DeviceContext, Font().Color.Rgb());
    SetBkColor(DeviceContext, Color().Rgb());
    return Color().Brush();
}

TControl* TControl::FromHandle(HWND Window)
{
    return reinterpret_cast<TControl*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
}

LRESULT TControl::HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_ERASEBKGND:
        return 1; // Paint draws the background too
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC deviceContext = BeginPaint(Window, &paint);
        Paint(deviceContext);
        EndPaint(Window, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(Window, Message, WParam, LParam);
    }
}

void TControl::Paint(HDC) const {}

void TControl::Relayout()
{
    if (Parent() != nullptr && Parent()->Handle() != nullptr)
        Parent()->LayoutChildren();
}

void TControl::RegisterOwnClass(const wchar_t* ClassName, HICON Icon)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), ClassName, &windowClass))
        return;
    windowClass.lpfnWndProc = OwnWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ClassName;
    windowClass.hIcon = Icon;
    if (RegisterClassExW(&windowClass) == 0)
        throw std::runtime_error("Die Fensterklasse kann nicht registriert werden.");
}

LRESULT CALLBACK TControl::OwnWindowProcedure(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_NCCREATE) {
        auto* created = static_cast<TControl*>(reinterpret_cast<CREATESTRUCTW*>(LParam)->lpCreateParams);
        created->Window = Window;
        SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    TControl* control = FromHandle(Window);
    if (control == nullptr)
        return DefWindowProcW(Window, Message, WParam, LParam);
    if (Message == WM_NCDESTROY) {
        SetWindowLongPtrW(Window, GWLP_USERDATA, 0);
        control->Window = nullptr;
        return DefWindowProcW(Window, Message, WParam, LParam);
    }
    // No exception may unwind through Windows' own code.
    try {
        return control->HandleMessage(Message, WParam, LParam);
    } catch (...) {
        Application->HandleException(std::current_exception());
        return 0;
    }
}

void TWinControl::SetProperty(const std::string& PropertyName, const TPropertyValue& Value)
{
    if (PropertyName == "TabOrder")
        TabOrder = IntegerValue(Value);
    else
        TControl::SetProperty(PropertyName, Value);
}

void TWinControl::CreateHandle()
{
    TControl::CreateHandle();
    CreateChildHandles();
}

void TWinControl::CreateChildHandles()
{
    for (const auto& child : ChildControls)
        child->CreateHandle();
    ArrangeZOrder();
}

void TWinControl::ApplyDpi()
{
    TControl::ApplyDpi();
    for (const auto& child : ChildControls)
        child->ApplyDpi();
    LayoutChildren();
}

TControl& TWinControl::AddChild(std::unique_ptr<TControl> Child)
{
    Child->SetParentControl(this);
    ChildControls.push_back(std::move(Child));
    return *ChildControls.back();
}

void TWinControl::LayoutChildren()
{
    RECT client;
    GetClientRect(Window, &client);
    int top = 0;
    int bottom = client.bottom;
    for (const auto& child : ChildControls) {
        if (child->Handle() == nullptr)
            continue; // not made yet: placed once it is
        const SIZE size = child->DeviceSize();
        POINT position = child->DevicePosition();
        LONG width = size.cx;
        if (child->Align() == TAlign::alTop) {
            position = {0, top};
            width = client.right;
            top += size.cy;
        } else if (child->Align() == TAlign::alBottom) {
            bottom -= size.cy;
            position = {0, bottom};
            width = client.right;
        }
        SetWindowPos(child->Handle(), nullptr, position.x, position.y, width, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TWinControl::ArrangeZOrder()
{
    // Focusable controls first, in tab order: the dialog manager tabs through
    // sibling windows from the top.
    std::vector<TWinControl*> tabControls;
    std::vector<TControl*> others;
    for (const auto& child : ChildControls) {
        auto* windowed = dynamic_cast<TWinControl*>(child.get());
        if (windowed != nullptr && windowed->TabOrder >= 0)
            tabControls.push_back(windowed);
        else
            others.push_back(child.get());
    }
    std::stable_sort(tabControls.begin(), tabControls.end(),
                     [](const TWinControl* A, const TWinControl* B) { return A->TabOrder < B->TabOrder; });
    // Beneath them the other controls, each later one above the earlier ones.
    std::vector<TControl*> topToBottom(tabControls.begin(), tabControls.end());
    topToBottom.insert(topToBottom.end(), others.rbegin(), others.rend());

    HWND previous = HWND_TOP;
    for (TControl* control : topToBottom) {
        SetWindowPos(control->Handle(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control->Handle();
    }
}

LRESULT TWinControl::HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_COMMAND:
        // Notifications go to the control they concern.
        if (LParam != 0) {
            if (TControl* child = FromHandle(reinterpret_cast<HWND>(LParam)); child != nullptr)
                child->HandleCommand(HIWORD(WParam));
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        if (TControl* child = FromHandle(reinterpret_cast<HWND>(LParam)); child != nullptr)
            if (HBRUSH brush = child->HandleColorMessage(reinterpret_cast<HDC>(WParam)); brush != nullptr)
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Window, &client);
        FillRect(reinterpret_cast<HDC>(WParam), &client, Color().Brush());
        return 1;
    }
    case WM_SIZE:
        LayoutChildren();
        return 0;
    default:
        break;
    }
    return TControl::HandleMessage(Message, WParam, LParam);
}

} // namespace vcl
