// A window definition that does not fit the window class fails creation with
// a message that names the line and what is wrong there.
#include "KelvaroForm.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowDefinition, FaultsFailCreationWithAClearMessage)
{
    struct TCase
    {
        std::string_view Definition;
        std::string_view Message;
    };
    const TCase cases[] = {
        {"object Form1: TForm1\nend\n",
         "Fehler in der Fensterdefinition TFormKelvaroWin, Zeile 1: TForm1 statt TFormKelvaroWin."},
        {"object FormKelvaroWin: TFormKelvaroWin\n  Colour = clBtnFace\nend\n",
         "Fehler in der Fensterdefinition TFormKelvaroWin, Zeile 2 (FormKelvaroWin): unbekannte Eigenschaft Colour."},
        {"object FormKelvaroWin: TFormKelvaroWin\n  object LabelPW: TLabelX\n  end\nend\n",
         "Fehler in der Fensterdefinition TFormKelvaroWin, Zeile 2 (LabelPW): unbekannte Klasse TLabelX."},
        {"object FormKelvaroWin: TFormKelvaroWin\n  object LabelPW: TLabel\n    Captoin = 'x'\n  end\nend\n",
         "Fehler in der Fensterdefinition TFormKelvaroWin, Zeile 3 (LabelPW): unbekannte Eigenschaft Captoin."},
        {"object FormKelvaroWin: TFormKelvaroWin\n  object LabelFoo: TLabel\n  end\nend\n",
         "Fehler in der Fensterdefinition TFormKelvaroWin, Zeile 2 (LabelFoo): kein veröffentlichtes Feld LabelFoo."},
        {"object FormKelvaroWin: TFormKelvaroWin\n  object LabelPW: TButton\n  end\nend\n",
         "Fehler in der Fensterdefinition TFormKelvaroWin, Zeile 2 (LabelPW): das Feld LabelPW ist für eine "
         "andere Art von Steuerelement."},
        {"object FormKelvaroWin: TFormKelvaroWin\n  object ButtonCreatePW: TButton\n    OnClick = Foo\n  end\nend\n",
         "Fehler in der Fensterdefinition TFormKelvaroWin, Zeile 3 (ButtonCreatePW): keine veröffentlichte "
         "Methode Foo."},
        {"object FormKelvaroWin: TFormKelvaroWin\n  object LabelPW: TLabel\n    OnClick = ButtonEndeClick\n  end\nend\n",
         "Fehler in der Fensterdefinition TFormKelvaroWin, Zeile 3 (LabelPW): unbekannte Eigenschaft OnClick."},
        {"object FormKelvaroWin: TFormKelvaroWin\n  object LabelPW: TLabel\n    Left = 'x'\n  end\nend\n",
         "Fehler in der Fensterdefinition TFormKelvaroWin, Zeile 3 (LabelPW): Zahl erwartet."},
        {"object FormKelvaroWin: TFormKelvaroWin\n  object LabelPW: TLabel\n    object LabelUser: TLabel\n"
         "    end\n  end\nend\n",
         "Fehler in der Fensterdefinition TFormKelvaroWin, Zeile 2 (LabelPW): TLabel kann keine Steuerelemente "
         "enthalten."},
        {"object FormKelvaroWin: TFormKelvaroWin\nend\n",
         "Fehler in der Fensterdefinition TFormKelvaroWin, kein Steuerelement für das Feld ButtonCreatePW."},
        {"object FormKelvaroWin: TFormKelvaroWin\n  Caption = 'Kelvaro\nend\n",
         "Fehler in der Fensterdefinition TFormKelvaroWin, Zeile 2: Zeichenkette nicht abgeschlossen."},
    };
    for (const TCase& c : cases) {
        TFormKelvaroWin form;
        try {
            form.LoadFromDefinition(c.Definition);
            ADD_FAILURE() << "accepted:\n" << c.Definition;
        } catch (const kelvaro::TDefinitionError& error) {
            EXPECT_EQ(error.what(), c.Message);
        }
        EXPECT_EQ(form.Handle(), nullptr) << "no window for a faulty definition";
    }
}

} // namespace
