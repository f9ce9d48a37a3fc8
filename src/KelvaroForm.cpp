#include "KelvaroForm.h"

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

void TFormKelvaroWin::ButtonCreatePWClick(vcl::TObject*) {}

void TFormKelvaroWin::ButtonEndeClick(vcl::TObject*) { vcl::Application->Terminate(); }

void TFormKelvaroWin::SpeedButtonClipboardClick(vcl::TObject*) {}
