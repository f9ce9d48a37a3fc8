// Kelvaro: derives an application's password from user name, master password
// and application name, shows it and puts it on the clipboard.
#include "KelvaroForm.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    try {
        vcl::Application->Initialize();
        vcl::Application->MainFormOnTaskBar = true;
        vcl::Application->CreateForm(FormKelvaroWin);
        vcl::Application->Run();
    } catch (...) {
        vcl::Application->ShowFatalException(std::current_exception());
        return 1;
    }
    return 0;
}
