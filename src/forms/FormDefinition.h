#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kelvaro {

// A window definition that cannot be used. The message is shown to the user.
class TDefinitionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct TIdentifier
{
    std::string Name; // clBtnFace, taCenter, True, ...
    bool operator==(const TIdentifier&) const = default;
};

using TNameSet = std::vector<std::string>;       // [fsBold, fsItalic]
using TBinaryData = std::vector<std::uint8_t>;   // {89504E47...}

using TPropertyValue = std::variant<std::int64_t, std::u16string, TIdentifier, TNameSet, TBinaryData>;

struct TPropertyDefinition
{
    std::string Name; // may be dotted: Font.Height
    TPropertyValue Value;
    int Line = 0;
};

// One "object Name: TClass ... end" block of a window definition.
struct TObjectDefinition
{
    std::string Name;
    std::string ClassName;
    int Line = 0;
    std::vector<TPropertyDefinition> Properties;
    std::vector<TObjectDefinition> Children;
};

// Reads the text form of a window definition:
//
//   object FormKelvaroWin: TFormKelvaroWin
//     Caption = 'Kelvaro'          strings in single quotes, '' for a quote, UTF-8
//     ClientWidth = 602            integers, possibly negative
//     Position = poScreenCenter    identifiers
//     Font.Style = []              sets of identifiers
//     Picture.Data = {89504E47}    binary data in hex, may span lines
//     object LabelPW: TLabel
//       ...
//     end
//   end
//
// Throws TDefinitionError naming the line of the first fault.
TObjectDefinition ParseFormDefinition(std::string_view Text);

} // namespace kelvaro
