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

    void ButtonCreatePWClick(vcl::TObject* Sender);
    void ButtonEndeClick(vcl::TObject* Sender);
    void SpeedButtonClipboardClick(vcl::TObject* Sender);

protected:
    std::string ClassName() const override { return "TFormKelvaroWin"; }
    void Publish(vcl::TPublisher& Publisher) override;
};

extern TFormKelvaroWin* FormKelvaroWin;
