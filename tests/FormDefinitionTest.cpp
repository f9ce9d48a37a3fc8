#include "FormDefinition.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kelvaro {
namespace {

const TPropertyValue* Find(const TObjectDefinition& Object, std::string_view Name)
{
    for (const TPropertyDefinition& property : Object.Properties)
        if (property.Name == Name)
            return &property.Value;
    return nullptr;
}

TEST(ParseFormDefinition, ReadsEveryKindOfValue)
{
    const TObjectDefinition form = ParseFormDefinition(R"(object Form1: TForm1
  Caption = 'It''s J)" "\xC3\xA4" R"(ger'
  Font.Height = -12
  Left = 7
  Position = poScreenCenter
  Font.Style = [fsBold, fsItalic]
  Empty = []
  Picture.Data = {
    0A0b
    FF}
  object Inner: TPanel
    object Deepest: TLabel
    end
  end
  object Second: TEdit
  end
end
)");
    EXPECT_EQ(form.Name, "Form1");
    EXPECT_EQ(form.ClassName, "TForm1");
    EXPECT_EQ(std::get<std::u16string>(*Find(form, "Caption")), u"It's J\u00e4ger");
    EXPECT_EQ(std::get<std::int64_t>(*Find(form, "Font.Height")), -12);
    EXPECT_EQ(std::get<std::int64_t>(*Find(form, "Left")), 7);
    EXPECT_EQ(std::get<TIdentifier>(*Find(form, "Position")).Name, "poScreenCenter");
    EXPECT_EQ(std::get<TNameSet>(*Find(form, "Font.Style")), (TNameSet{"fsBold", "fsItalic"}));
    EXPECT_TRUE(std::get<TNameSet>(*Find(form, "Empty")).empty());
    EXPECT_EQ(std::get<TBinaryData>(*Find(form, "Picture.Data")), (TBinaryData{0x0A, 0x0B, 0xFF}));
    ASSERT_EQ(form.Children.size(), 2u);
    EXPECT_EQ(form.Children[0].Name, "Inner");
    EXPECT_EQ(form.Children[0].Line, 11);
    ASSERT_EQ(form.Children[0].Children.size(), 1u);
    EXPECT_EQ(form.Children[0].Children[0].ClassName, "TLabel");
    EXPECT_EQ(form.Children[1].Name, "Second");
}

TEST(ParseFormDefinition, ReportsTheLineOfAFault)
{
    struct TCase
    {
        std::string_view Text;
        std::string_view Message;
    };
    const TCase cases[] = {
        {"", "Zeile 1: Name erwartet."},
        {"objekt A: TA\nend\n", "Zeile 1: 'object' erwartet."},
        {"object A TA\nend\n", "Zeile 1: ':' erwartet."},
        {"object A: TA\n  Left 5\nend\n", "Zeile 2: '=' erwartet."},
        {"object A: TA\n  Caption = 'open\nend\n", "Zeile 2: Zeichenkette nicht abgeschlossen."},
        {"object A: TA\n  Caption = '\xC3'\nend\n", "Zeile 2: ungültiges UTF-8 in einer Zeichenkette."},
        {"object A: TA\n  Data = {0A1}\nend\n", "Zeile 2: ungerade Anzahl Hexadezimalziffern."},
        {"object A: TA\n  Data = {0G}\nend\n", "Zeile 2: Hexadezimalziffer erwartet."},
        {"object A: TA\n  Left = -\nend\n", "Zeile 2: Zahl erwartet."},
        {"object A: TA\n  Left = 99999999999\nend\n", "Zeile 2: Zahl zu groß."},
        {"object A: TA\n  Style = [a b]\nend\n", "Zeile 2: ',' erwartet."},
        {"object A: TA\n  object B: TB\n  end\n", "Zeile 4: 'end' fehlt für A."},
        {"object A: TA\nend\nend\n", "Zeile 3: Text nach dem letzten 'end'."},
    };
    for (const TCase& c : cases) {
        try {
            ParseFormDefinition(c.Text);
            ADD_FAILURE() << "accepted: " << c.Text;
        } catch (const TDefinitionError& error) {
            EXPECT_EQ(error.what(), c.Message) << c.Text;
        }
    }
}

// The program's own window definition holds the controls of the window's
// design: names, kinds, parents, creation order and bounds.
TEST(KelvaroFormDefinition, HoldsTheDesignedControls)
{
    std::ifstream file(KELVARO_FORM_DEFINITION);
    ASSERT_TRUE(file) << KELVARO_FORM_DEFINITION;
    std::stringstream text;
    text << file.rdbuf();
    const TObjectDefinition form = ParseFormDefinition(text.str());
    EXPECT_EQ(form.Name, "FormKelvaroWin");
    EXPECT_EQ(form.ClassName, "TFormKelvaroWin");
    EXPECT_EQ(std::get<std::u16string>(*Find(form, "Caption")), u"Kelvaro");
    EXPECT_EQ(std::get<std::int64_t>(*Find(form, "ClientWidth")), 602);
    EXPECT_EQ(std::get<std::int64_t>(*Find(form, "ClientHeight")), 380);

    struct TControlRow
    {
        std::string Name, ClassName, Parent;
        std::int64_t Left, Top, Width, Height;
    };
    const TControlRow designed[] = {
        {"LabelPW", "TLabel", "FormKelvaroWin", 219, 283, 170, 31},
        {"LabelKelvaro", "TLabel", "FormKelvaroWin", 143, 6, 311, 57},
        {"SpeedButtonClipboard", "TSpeedButton", "FormKelvaroWin", 400, 278, 36, 36},
        {"ButtonCreatePW", "TButton", "FormKelvaroWin", 244, 249, 111, 25},
        {"ButtonEnde", "TButton", "FormKelvaroWin", 264, 320, 75, 24},
        {"PanelEingabefeld", "TPanel", "FormKelvaroWin", 130, 69, 337, 143},
        {"LabelUser", "TLabel", "PanelEingabefeld", 57, 32, 68, 15},
        {"LabelMasterPW", "TLabel", "PanelEingabefeld", 57, 64, 83, 15},
        {"LabelApplikation", "TLabel", "PanelEingabefeld", 57, 97, 61, 15},
        {"EditUser", "TEdit", "PanelEingabefeld", 178, 29, 121, 23},
        {"EditMaster", "TEdit", "PanelEingabefeld", 178, 61, 121, 23},
        {"EditApplikation", "TEdit", "PanelEingabefeld", 178, 98, 121, 23},
        {"PanelCopyright", "TPanel", "FormKelvaroWin", 0, 360, 602, 20},
        {"PanelLogo", "TPanel", "FormKelvaroWin", 460, 69, 134, 150},
        {"LabelVersion", "TLabel", "PanelLogo", 0, 135, 134, 15},
        {"ImageLogo", "TImage", "PanelLogo", 0, 0, 134, 129},
    };
    // Creation order: depth first, in the order the objects are written.
    std::vector<std::pair<const TObjectDefinition*, std::string>> found;
    auto collect = [&found](auto& Self, const TObjectDefinition& Parent) -> void {
        for (const TObjectDefinition& child : Parent.Children) {
            found.emplace_back(&child, Parent.Name);
            Self(Self, child);
        }
    };
    collect(collect, form);
    ASSERT_EQ(found.size(), std::size(designed));
    for (std::size_t i = 0; i < found.size(); ++i) {
        const auto& [object, parent] = found[i];
        const TControlRow& row = designed[i];
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(object->Name, row.Name);
        EXPECT_EQ(object->ClassName, row.ClassName);
        EXPECT_EQ(parent, row.Parent);
        EXPECT_EQ(std::get<std::int64_t>(*Find(*object, "Left")), row.Left);
        EXPECT_EQ(std::get<std::int64_t>(*Find(*object, "Top")), row.Top);
        EXPECT_EQ(std::get<std::int64_t>(*Find(*object, "Width")), row.Width);
        EXPECT_EQ(std::get<std::int64_t>(*Find(*object, "Height")), row.Height);
    }
}

} // namespace
} // namespace kelvaro
