#include "KelvaroForm.h"

#include "Clipbrd.h"
#include "PasswordDerivation.h"
#include "SecureWipe.h"

TFormKelvaroWin* FormKelvaroWin = nullptr;

void TFormKelvaroWin::Publish(vcl::TPublisher& Publisher)
{
    Publisher.Field("ButtonCreatePW", ButtonCreatePW);
    Publisher.Field("LabelUser", LabelUser);
    Publisher.Field("LabelMasterPW", LabelMasterPW);
    Publisher.Field("LabelApplikation", LabelApplikation);
    Publisher.Field("LabelPW", LabelPW);
    Publisher.Field("EditUser", EditUser);
    Publisher.Field("EditMaster", EditMaster);
    Publisher.Field("EditApplikation", EditApplikation);
    Publisher.Field("ButtonEnde", ButtonEnde);
    Publisher.Field("LabelKelvaro", LabelKelvaro);
    Publisher.Field("PanelEingabefeld", PanelEingabefeld);
    Publisher.Field("SpeedButtonClipboard", SpeedButtonClipboard);
    Publisher.Field("ImageLogo", ImageLogo);
    Publisher.Field("PanelCopyright", PanelCopyright);
    Publisher.Field("LabelVersion", LabelVersion);
    Publisher.Field("PanelLogo", PanelLogo);

    Publisher.Method("ButtonCreatePWClick", [this](vcl::TObject* Sender) { ButtonCreatePWClick(Sender); });
    Publisher.Method("ButtonEndeClick", [this](vcl::TObject* Sender) { ButtonEndeClick(Sender); });
    Publisher.Method("SpeedButtonClipboardClick", [this](vcl::TObject* Sender) { SpeedButtonClipboardClick(Sender); });
}

void TFormKelvaroWin::ButtonCreatePWClick(vcl::TObject*)
{
    std::u16string user = EditUser->Text();
    std::u16string masterPassword = EditMaster->Text();
    std::u16string applicationName = EditApplikation->Text();
    GeneratedPassword = GeneratePassword(user, masterPassword, applicationName);
    kelvaro::SecureWipe(user);
    kelvaro::SecureWipe(masterPassword);
    kelvaro::SecureWipe(applicationName);
    LabelPW->SetCaption(GeneratedPassword);
}

void TFormKelvaroWin::ButtonEndeClick(vcl::TObject*) { vcl::Application->Terminate(); }

void TFormKelvaroWin::SpeedButtonClipboardClick(vcl::TObject*) { CopyPasswordToClipboard(GeneratedPassword); }

std::u16string TFormKelvaroWin::GeneratePassword(std::u16string_view User, std::u16string_view MasterPassword,
                                                 std::u16string_view ApplicationName) const
{
    return kelvaro::GeneratePassword(User, MasterPassword, ApplicationName);
}

void TFormKelvaroWin::CopyPasswordToClipboard(const std::u16string& Password) const
{
    vcl::TClipboard& clipboard = vcl::Clipboard();
    const vcl::TClipboardOpened opened(clipboard);
    clipboard.Clear();
    clipboard.SetAsText(Password);
}
