#pragma once

#include "Controls.h"

#include <exception>
#include <map>
#include <memory>
#include <string_view>

namespace vcl {

// What a form class offers its definition to bind to by name: fields that
// receive the created controls and handler methods for their events.
class TPublisher
{
public:
    template <typename TControlClass>
    void Field(const std::string& Name, TControlClass*& Target)
    {
        Fields[Name].Bind = [&Target](TControl& Control) {
            Target = dynamic_cast<TControlClass*>(&Control);
            return Target != nullptr;
        };
    }
    void Method(const std::string& Name, TNotifyEvent Handler) { Methods[Name] = std::move(Handler); }

    // Stores Control in the field of its name. Throws TDefinitionError if there
    // is no such field or it holds another kind of control.
    void BindField(const std::string& Name, TControl& Control);
    const TNotifyEvent& FindMethod(const std::string& Name) const;
    // Throws TDefinitionError naming a field that no control was bound to.
    void CheckAllFieldsBound() const;

private:
    struct TFieldBinding
    {
        std::function<bool(TControl&)> Bind;
        bool Bound = false;
    };
    std::map<std::string, TFieldBinding> Fields;
    std::map<std::string, TNotifyEvent> Methods;
};

// A top-level window whose controls come from a definition compiled into the
// executable as a resource named after the form's class.
class TForm : public TWinControl
{
public:
    ~TForm() override;

    void SetProperty(const std::string& PropertyName, const kelvaro::TPropertyValue& Value) override;
    UINT Dpi() const override { return CurrentDpi; }
    void CreateHandle() override;

    // Creates the controls from the definition resource, binds them to the
    // published fields and handlers, and makes the (still hidden) window.
    void LoadFromResource();
    void LoadFromDefinition(std::string_view DefinitionText);
    void Show(int ShowCommand);

    const std::u16string& Caption() const { return CaptionText; }
    // The control whose window is Window, if it belongs to this form.
    TControl* FindControl(HWND ControlWindow) const;
    // The form whose top-level window is Window, if any.
    static TForm* FromTopLevelWindow(HWND Window);

protected:
    TForm();
    virtual std::string ClassName() const = 0;
    virtual void Publish(TPublisher& Publisher) = 0;

    const wchar_t* WindowClassName() const override { return WindowClass.c_str(); }
    LRESULT HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam) override;

private:
    void PlaceForDpi();

    std::wstring WindowClass;
    std::u16string CaptionText;
    int ClientWidth = 0;
    int ClientHeight = 0;
    bool CenterOnScreen = false;
    UINT CurrentDpi = 96;
    HWND FocusBeforeDeactivation = nullptr;
};

class TApplication
{
public:
    TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;
    ~TApplication();

    // Prepares the application's hidden window.
    void Initialize();
    // When true the main form has its own taskbar button; otherwise it is
    // owned by the application's hidden window.
    bool MainFormOnTaskBar = false;

    template <typename TFormClass>
    void CreateForm(TFormClass*& Reference)
    {
        auto form = std::make_unique<TFormClass>();
        form->LoadFromResource();
        Reference = form.get();
        if (Main == nullptr)
            Main = form.get();
        OwnedForms.push_back(std::move(form));
    }

    // Shows the main form as the process was asked to, then handles messages
    // until Terminate or until the main form is closed.
    void Run();
    void Terminate();
    // Handles the messages that are waiting, then returns.
    void ProcessMessages();

    TForm* MainForm() const { return Main; }
    HWND Handle() const { return HiddenWindow; }
    // The executable's file name up to its first ".", lower case after its first character.
    const std::u16string& Title() const { return TitleText; }

    // The default error report: a modal message box with an error icon and OK.
    void HandleException(std::exception_ptr Error);
    void ShowException(const std::u16string& Message) const;
    // For an error that escapes start-up: a task-modal box, then the caller ends.
    void ShowFatalException(std::exception_ptr Error) const;

private:
    void HandleQueuedMessage(MSG& Message);

    std::u16string TitleText;
    HWND HiddenWindow = nullptr;
    TForm* Main = nullptr;
    std::vector<std::unique_ptr<TForm>> OwnedForms;
};

extern TApplication* const Application;

// The text an exception shows the user; messages are UTF-8 inside the program.
std::u16string ExceptionMessage(std::exception_ptr Error);

} // namespace vcl
