#include "FormDefinition.h"

#include "Utf8.h"

#include <cctype>

namespace kelvaro {
namespace {

class TParser
{
public:
    explicit TParser(std::string_view DefinitionText) : Text(DefinitionText) {}

    TObjectDefinition ParseRoot()
    {
        TObjectDefinition root = ParseObject();
        SkipSpace();
        if (Position < Text.size())
            Fail("Text nach dem letzten 'end'");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& What) const
    {
        throw TDefinitionError("Zeile " + std::to_string(Line) + ": " + What + ".");
    }

    bool AtEnd() const { return Position >= Text.size(); }
    char Peek() const { return AtEnd() ? '\0' : Text[Position]; }

    void Advance()
    {
        if (Text[Position] == '\n')
            ++Line;
        ++Position;
    }

    void SkipSpace()
    {
        while (!AtEnd() && std::isspace(static_cast<unsigned char>(Peek())))
            Advance();
    }

    static bool IsNameCharacter(char Character)
    {
        return std::isalnum(static_cast<unsigned char>(Character)) || Character == '_' || Character == '.';
    }

    std::string ReadName()
    {
        SkipSpace();
        const std::size_t start = Position;
        while (!AtEnd() && IsNameCharacter(Peek()))
            Advance();
        if (start == Position)
            Fail("Name erwartet");
        return std::string(Text.substr(start, Position - start));
    }

    void Expect(char Character)
    {
        SkipSpace();
        if (Peek() != Character)
            Fail(std::string("'") + Character + "' erwartet");
        Advance();
    }

    TObjectDefinition ParseObject()
    {
        if (ReadName() != "object")
            Fail("'object' erwartet");
        TObjectDefinition object;
        object.Line = Line;
        object.Name = ReadName();
        Expect(':');
        object.ClassName = ReadName();
        for (;;) {
            SkipSpace();
            if (AtEnd())
                Fail("'end' fehlt für " + object.Name);
            const std::size_t mark = Position;
            const int markLine = Line;
            const std::string word = ReadName();
            if (word == "end")
                return object;
            if (word == "object") {
                Position = mark;
                Line = markLine;
                object.Children.push_back(ParseObject());
                continue;
            }
            Expect('=');
            object.Properties.push_back({word, ParseValue(), markLine});
        }
    }

    TPropertyValue ParseValue()
    {
        SkipSpace();
        const char first = Peek();
        if (first == '\'')
            return ParseString();
        if (first == '[')
            return ParseSet();
        if (first == '{')
            return ParseBinary();
        if (first == '-' || std::isdigit(static_cast<unsigned char>(first)))
            return ParseInteger();
        if (std::isalpha(static_cast<unsigned char>(first)) || first == '_')
            return TIdentifier{ReadName()};
        Fail("Wert erwartet");
    }

    std::u16string ParseString()
    {
        Advance(); // opening quote
        std::string bytes;
        for (;;) {
            if (AtEnd() || Peek() == '\n')
                Fail("Zeichenkette nicht abgeschlossen");
            const char character = Peek();
            Advance();
            if (character == '\'') {
                if (Peek() != '\'')
                    break;
                Advance();
            }
            bytes.push_back(character);
        }
        std::optional<std::u16string> text = DecodeUtf8(bytes);
        if (!text)
            Fail("ungültiges UTF-8 in einer Zeichenkette");
        return std::move(*text);
    }

    std::int64_t ParseInteger()
    {
        const bool negative = Peek() == '-';
        if (negative)
            Advance();
        if (!std::isdigit(static_cast<unsigned char>(Peek())))
            Fail("Zahl erwartet");
        std::int64_t value = 0;
        while (std::isdigit(static_cast<unsigned char>(Peek()))) {
            if (value > 100'000'000)
                Fail("Zahl zu groß");
            value = value * 10 + (Peek() - '0');
            Advance();
        }
        return negative ? -value : value;
    }

    TNameSet ParseSet()
    {
        Advance(); // [
        TNameSet names;
        SkipSpace();
        if (Peek() == ']') {
            Advance();
            return names;
        }
        for (;;) {
            names.push_back(ReadName());
            SkipSpace();
            if (Peek() == ']') {
                Advance();
                return names;
            }
            Expect(',');
        }
    }

    TBinaryData ParseBinary()
    {
        Advance(); // {
        TBinaryData bytes;
        int pendingNibble = -1;
        for (;;) {
            SkipSpace();
            if (AtEnd())
                Fail("'}' fehlt");
            const char character = Peek();
            Advance();
            if (character == '}')
                break;
            if (!std::isxdigit(static_cast<unsigned char>(character)))
                Fail("Hexadezimalziffer erwartet");
            const int nibble = std::isdigit(static_cast<unsigned char>(character))
                                   ? character - '0'
                                   : std::tolower(static_cast<unsigned char>(character)) - 'a' + 10;
            if (pendingNibble < 0) {
                pendingNibble = nibble;
            } else {
                bytes.push_back(static_cast<std::uint8_t>(pendingNibble << 4 | nibble));
                pendingNibble = -1;
            }
        }
        if (pendingNibble >= 0)
            Fail("ungerade Anzahl Hexadezimalziffern");
        return bytes;
    }

    std::string_view Text;
    std::size_t Position = 0;
    int Line = 1;
};

} // namespace

TObjectDefinition ParseFormDefinition(std::string_view Text)
{
    return TParser(Text).ParseRoot();
}

} // namespace kelvaro
