#pragma once

#include "Buttons.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"

// Kelvaro's one window. Its controls are created from the definition
// KelvaroForm.dfm and bound to the fields below by name.
class TFormKelvaroWin : public vcl::TForm
{
public: // published
    vcl::TButton* ButtonCreatePW = nullptr;
    vcl::TLabel* LabelUser = nullptr;
    vcl::TLabel* LabelMasterPW = nullptr;
    vcl::TLabel* LabelApplikation = nullptr;
    vcl::TLabel* LabelPW = nullptr;
    vcl::TEdit* EditUser = nullptr;
    vcl::TEdit* EditMaster = nullptr;
    vcl::TEdit* EditApplikation = nullptr;
    vcl::TButton* ButtonEnde = nullptr;
    vcl::TLabel* LabelKelvaro = nullptr;
    vcl::TPanel* PanelEingabefeld = nullptr;
    vcl::TSpeedButton* SpeedButtonClipboard = nullptr;
    vcl::TImage* ImageLogo = nullptr;
    vcl::TPanel* PanelCopyright = nullptr;
    vcl::TLabel* LabelVersion = nullptr;
    vcl::TPanel* PanelLogo = nullptr;

    // Derives the password from the three fields, keeps it and shows it.
    void ButtonCreatePWClick(vcl::TObject* Sender);
    void ButtonEndeClick(vcl::TObject* Sender);
    // Puts the password of the last derivation on the clipboard.
    void SpeedButtonClipboardClick(vcl::TObject* Sender);

protected:
    std::string ClassName() const override { return "TFormKelvaroWin"; }
    void Publish(vcl::TPublisher& Publisher) override;

private:
    std::u16string GeneratePassword(std::u16string_view User, std::u16string_view MasterPassword,
                                    std::u16string_view ApplicationName) const;
    void CopyPasswordToClipboard(const std::u16string& Password) const;

    // The password shown by the last derivation; empty before the first.
    std::u16string GeneratedPassword;
};

extern TFormKelvaroWin* FormKelvaroWin;
