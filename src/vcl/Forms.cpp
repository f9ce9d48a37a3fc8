#include "Forms.h"

#include "Dpi.h"
#include "FormLoader.h"
#include "StdCtrls.h"
#include "Utf8.h"

#include <commctrl.h>

#include <algorithm>

namespace vcl {
namespace {

using kelvaro::TDefinitionError;

TApplication TheApplication;

std::u16string TitleFromExecutableName()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::wstring title = path.substr(path.find_last_of(L"\\/") + 1);
    title = title.substr(0, title.find(L'.'));
    if (title.size() > 1)
        CharLowerBuffW(title.data() + 1, static_cast<DWORD>(title.size() - 1));
    return {title.begin(), title.end()};
}

// The show request the process was started with, as far as the main form
// honours it: maximised, minimised without activation, or else normal.
int StartupShowCommand()
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    if ((startup.dwFlags & STARTF_USESHOWWINDOW) != 0 &&
        (startup.wShowWindow == SW_SHOWMAXIMIZED || startup.wShowWindow == SW_SHOWMINNOACTIVE))
        return startup.wShowWindow;
    return SW_SHOWNORMAL;
}

// The default error report appends a full stop unless the text already ends
// in one (or in any character that sorts before it).
std::u16string WithFullStop(std::u16string Message)
{
    if (!Message.empty() && Message.back() > u'.')
        Message += u'.';
    return Message;
}

TControl* FindIn(const TWinControl& Parent, HWND Window)
{
    for (const auto& child : Parent.Children()) {
        if (child->Handle() == Window)
            return child.get();
        if (const auto* container = dynamic_cast<const TWinControl*>(child.get()); container != nullptr)
            if (TControl* found = FindIn(*container, Window); found != nullptr)
                return found;
    }
    return nullptr;
}

} // namespace

TApplication* const Application = &TheApplication;

std::u16string ExceptionMessage(std::exception_ptr Error)
{
    try {
        std::rethrow_exception(Error);
    } catch (const std::bad_alloc&) {
        return u"Nicht genügend Arbeitsspeicher";
    } catch (const std::exception& error) {
        return kelvaro::DecodeUtf8(std::string_view(error.what())).value_or(u"Unbekannter Fehler");
    } catch (...) {
        return u"Unbekannter Fehler";
    }
}

void TPublisher::BindField(const std::string& Name, TControl& Control)
{
    const auto field = Fields.find(Name);
    if (field == Fields.end())
        throw TDefinitionError("kein veröffentlichtes Feld " + Name);
    if (!field->second.Bind(Control))
        throw TDefinitionError("das Feld " + Name + " ist für eine andere Art von Steuerelement");
    field->second.Bound = true;
}

const TNotifyEvent& TPublisher::FindMethod(const std::string& Name) const
{
    const auto method = Methods.find(Name);
    if (method == Methods.end())
        throw TDefinitionError("keine veröffentlichte Methode " + Name);
    return method->second;
}

void TPublisher::CheckAllFieldsBound() const
{
    for (const auto& [name, field] : Fields)
        if (!field.Bound)
            throw TDefinitionError("kein Steuerelement für das Feld " + name + ".");
}

namespace {

// Every form that exists, to find the one a queued message belongs to.
std::vector<TForm*>& LiveForms()
{
    static std::vector<TForm*> forms;
    return forms;
}

} // namespace

TForm::TForm()
{
    LiveForms().push_back(this);
    // A form is where fonts and colours are inherited from.
    OwnFont.emplace();
    OwnColor = TColor::FromName("clBtnFace");
}

TForm::~TForm()
{
    std::erase(LiveForms(), this);
    // Child windows go with their top-level window, while their objects still exist.
    if (Window != nullptr)
        DestroyWindow(Window);
}

void TForm::SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value)
{
    if (PropertyName == "Caption") {
        CaptionText = StringValue(Value);
    } else if (PropertyName == "ClientWidth") {
        ClientWidth = IntegerValue(Value);
    } else if (PropertyName == "ClientHeight") {
        ClientHeight = IntegerValue(Value);
    } else if (PropertyName == "Position") {
        const std::string& position = IdentifierValue(Value);
        if (position != "poScreenCenter" && position != "poDesigned")
            throw TDefinitionError("unbekannte Position " + position);
        CenterOnScreen = position == "poScreenCenter";
    } else if (PropertyName == "TextHeight") {
        // The design font's line height. Sizes here scale by DPI alone, so
        // it is checked for form's sake but not used.
        IntegerValue(Value);
    } else {
        TWinControl::SetProperty(PropertyName, Value);
    }
}

void TForm::LoadFromResource()
{
    const std::string className = ClassName();
    const std::wstring wideName(className.begin(), className.end());
    const HRSRC resource = FindResourceW(nullptr, wideName.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    const HGLOBAL loaded = resource != nullptr ? LoadResource(nullptr, resource) : nullptr;
    if (loaded == nullptr)
        throw TDefinitionError("Die Fensterdefinition " + className + " fehlt in der Programmdatei.");
    LoadFromDefinition(std::string_view(static_cast<const char*>(LockResource(loaded)),
                                        SizeofResource(nullptr, resource)));
}

void TForm::LoadFromDefinition(std::string_view DefinitionText)
{
    const std::string className = ClassName();
    WindowClass.assign(className.begin(), className.end());
    try {
        const kelvaro::TObjectDefinition definition = kelvaro::ParseFormDefinition(DefinitionText);
        Name = definition.Name;
        if (definition.ClassName != className)
            throw TDefinitionError("Zeile " + std::to_string(definition.Line) + ": " + definition.ClassName +
                                   " statt " + className + ".");
        TPublisher publisher;
        Publish(publisher);
        ApplyProperties(*this, definition, publisher);
        CreateChildControls(*this, definition.Children, publisher);
        publisher.CheckAllFieldsBound();
    } catch (const TDefinitionError& error) {
        throw TDefinitionError("Fehler in der Fensterdefinition " + className + ", " + error.what());
    }
    CreateHandle();
}

void TForm::CreateHandle()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterOwnClass(WindowClassName(), static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, 0, 0,
                                                                      LR_DEFAULTSIZE | LR_SHARED)));
    const HWND owner = Application->MainFormOnTaskBar ? nullptr : Application->Handle();
    const HWND created = CreateWindowExW(WS_EX_CONTROLPARENT, WindowClassName(), AsWide(CaptionText),
                                         WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                                         CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, this);
    if (created == nullptr)
        throw std::runtime_error("Das Fenster " + ClassName() + " kann nicht erstellt werden.");
    CurrentDpi = DpiOfWindow(Window);
    PlaceForDpi();
    CreateChildHandles();
    ApplyDpi();
}

void TForm::PlaceForDpi()
{
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(Window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(Window, GWL_EXSTYLE));
    const SIZE outer = WindowSizeForClient(ScaleToDpi(ClientWidth, CurrentDpi),
                                           ScaleToDpi(ClientHeight, CurrentDpi), style, exStyle, CurrentDpi);
    POINT position = DevicePosition();
    if (CenterOnScreen) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(Window, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& screen = monitor.rcMonitor;
        position = {screen.left + (screen.right - screen.left - outer.cx) / 2,
                    screen.top + (screen.bottom - screen.top - outer.cy) / 2};
    }
    SetWindowPos(Window, nullptr, position.x, position.y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show(int ShowCommand)
{
    ShowWindow(Window, ShowCommand);
    UpdateWindow(Window);
}

TControl* TForm::FindControl(HWND ControlWindow) const { return FindIn(*this, ControlWindow); }

TForm* TForm::FromTopLevelWindow(HWND Window)
{
    const auto found = std::find_if(LiveForms().begin(), LiveForms().end(),
                                    [Window](const TForm* Form) { return Form->Handle() == Window; });
    return found != LiveForms().end() ? *found : nullptr;
}

LRESULT TForm::HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_ACTIVATE:
        if (LOWORD(WParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            FocusBeforeDeactivation = IsChild(Window, focus) ? focus : nullptr;
        } else {
            // Back to where the focus was; the first time, to the first control in tab order.
            HWND target = FocusBeforeDeactivation;
            if (target == nullptr || !IsChild(Window, target))
                target = GetNextDlgTabItem(Window, nullptr, FALSE);
            if (target != nullptr) {
                SetFocus(target);
                return 0;
            }
        }
        break;
    case WM_DPICHANGED: {
        CurrentDpi = HIWORD(WParam);
        const RECT* suggested = reinterpret_cast<const RECT*>(LParam);
        SetWindowPos(Window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        ApplyDpi();
        return 0;
    }
    case WM_DESTROY:
        if (Application->MainForm() == this)
            PostQuitMessage(0);
        break;
    default:
        break;
    }
    return TWinControl::HandleMessage(Message, WParam, LParam);
}

TApplication::~TApplication()
{
    OwnedForms.clear();
    if (HiddenWindow != nullptr)
        DestroyWindow(HiddenWindow);
}

TApplication::TApplication() : TitleText(TitleFromExecutableName()) {}

void TApplication::Initialize()
{
    // Loads the common controls, so the manifest's version 6 draws them themed.
    const INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TApplication";
    RegisterClassExW(&windowClass);
    // Never shown; it owns the clipboard and, unless the main form is on the
    // taskbar, the main form.
    HiddenWindow = CreateWindowExW(WS_EX_TOOLWINDOW, L"TApplication", AsWide(TitleText), WS_POPUP, 0, 0, 0, 0,
                                   nullptr, nullptr, windowClass.hInstance, nullptr);
    if (HiddenWindow == nullptr)
        throw std::runtime_error("Das Anwendungsfenster kann nicht erstellt werden.");
}

void TApplication::Run()
{
    if (Main == nullptr)
        return;
    Main->Show(StartupShowCommand());
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        HandleQueuedMessage(message);
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::ProcessMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam)); // leave it for Run
            return;
        }
        HandleQueuedMessage(message);
    }
}

void TApplication::HandleQueuedMessage(MSG& Message)
{
    const HWND topLevel = Message.hwnd != nullptr ? GetAncestor(Message.hwnd, GA_ROOT) : nullptr;
    if (const TForm* form = TForm::FromTopLevelWindow(topLevel); form != nullptr) {
        // Enter clicks the focused push button, as Space does.
        if (Message.message == WM_KEYDOWN && Message.wParam == VK_RETURN &&
            dynamic_cast<TButton*>(form->FindControl(Message.hwnd)) != nullptr) {
            SendMessageW(Message.hwnd, BM_CLICK, 0, 0);
            return;
        }
        // Tab and Shift+Tab between controls, into panels too.
        if (IsDialogMessageW(topLevel, &Message))
            return;
    }
    TranslateMessage(&Message);
    DispatchMessageW(&Message);
}

void TApplication::HandleException(std::exception_ptr Error) { ShowException(ExceptionMessage(Error)); }

void TApplication::ShowException(const std::u16string& Message) const
{
    const std::u16string text = WithFullStop(Message);
    const HWND owner = Main != nullptr ? Main->Handle() : nullptr;
    MessageBoxW(owner, AsWide(text), AsWide(TitleText), MB_OK | MB_ICONERROR);
}

void TApplication::ShowFatalException(std::exception_ptr Error) const
{
    const std::u16string text = WithFullStop(ExceptionMessage(Error));
    MessageBoxW(nullptr, AsWide(text), AsWide(TitleText), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

} // namespace vcl
