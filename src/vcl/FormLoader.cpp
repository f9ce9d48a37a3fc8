#include "FormLoader.h"

#include "Buttons.h"
#include "ExtCtrls.h"
#include "StdCtrls.h"

namespace vcl {
namespace {

using kelvaro::TDefinitionError;
using kelvaro::TObjectDefinition;

std::unique_ptr<TControl> CreateControl(const std::string& ClassName)
{
    if (ClassName == "TLabel")
        return std::make_unique<TLabel>();
    if (ClassName == "TEdit")
        return std::make_unique<TEdit>();
    if (ClassName == "TButton")
        return std::make_unique<TButton>();
    if (ClassName == "TSpeedButton")
        return std::make_unique<TSpeedButton>();
    if (ClassName == "TPanel")
        return std::make_unique<TPanel>();
    if (ClassName == "TImage")
        return std::make_unique<TImage>();
    throw TDefinitionError("unbekannte Klasse " + ClassName);
}

[[noreturn]] void FailAt(int Line, const std::string& ObjectName, const std::string& What)
{
    throw TDefinitionError("Zeile " + std::to_string(Line) + " (" + ObjectName + "): " + What + ".");
}

} // namespace

void ApplyProperties(TControl& Control, const TObjectDefinition& Definition, const TPublisher& Publisher)
{
    for (const kelvaro::TPropertyDefinition& property : Definition.Properties) {
        try {
            if (property.Name == "OnClick" && Control.HasClickEvent())
                Control.OnClick = Publisher.FindMethod(IdentifierValue(property.Value));
            else
                Control.SetProperty(property.Name, property.Value);
        } catch (const TDefinitionError& error) {
            FailAt(property.Line, Definition.Name, error.what());
        }
    }
}

void CreateChildControls(TWinControl& Parent, const std::vector<TObjectDefinition>& Definitions,
                         TPublisher& Publisher)
{
    for (const TObjectDefinition& definition : Definitions) {
        std::unique_ptr<TControl> created;
        try {
            created = CreateControl(definition.ClassName);
            created->Name = definition.Name;
            Publisher.BindField(definition.Name, *created);
        } catch (const TDefinitionError& error) {
            FailAt(definition.Line, definition.Name, error.what());
        }
        TControl& control = Parent.AddChild(std::move(created));
        ApplyProperties(control, definition, Publisher);
        if (!definition.Children.empty()) {
            auto* container = dynamic_cast<TWinControl*>(&control);
            if (container == nullptr || !container->AcceptsControls())
                FailAt(definition.Line, definition.Name, definition.ClassName + " kann keine Steuerelemente enthalten");
            CreateChildControls(*container, definition.Children, Publisher);
        }
    }
}

} // namespace vcl
