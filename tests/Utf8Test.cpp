#include "Utf8.h"

#include "OracleFile.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(Utf8, EncodingMatchesOracle)
{
    for (const test::TOracleCase& c : test::OracleCases()) {
        if (c.Kind != "derive" || c.Columns[3] == "-")
            continue;
        const std::u16string text = test::DecodeTextColumn(c.Columns[0]) +
                                    test::DecodeTextColumn(c.Columns[1]) +
                                    test::DecodeTextColumn(c.Columns[2]);
        const std::vector<std::uint8_t> bytes = EncodeUtf8(text);
        EXPECT_EQ(test::ToHex(bytes.data(), bytes.size()), c.Columns[3]) << c.Name;
    }
}

TEST(Utf8, EncodesByHand)
{
    struct TCase
    {
        std::u16string Text;
        std::vector<std::uint8_t> Bytes;
    };
    const TCase cases[] = {
        {u"", {}},
        {u"A", {0x41}},
        {u"\u00e4", {0xC3, 0xA4}},
        {u"\u20ac", {0xE2, 0x82, 0xAC}},
        {u"\U0001F600", {0xF0, 0x9F, 0x98, 0x80}},
        {u"\U0010FFFF", {0xF4, 0x8F, 0xBF, 0xBF}},
        {std::u16string(1, char16_t{0xD800}), {0xEF, 0xBF, 0xBD}},
        {std::u16string(1, char16_t{0xDFFF}), {0xEF, 0xBF, 0xBD}},
        {std::u16string{char16_t{0xDC00}, char16_t{0xD800}}, {0xEF, 0xBF, 0xBD, 0xEF, 0xBF, 0xBD}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(EncodeUtf8(c.Text), c.Bytes);
}

TEST(Utf8, DecodesValidText)
{
    EXPECT_EQ(DecodeUtf8(std::string_view("")), u"");
    EXPECT_EQ(DecodeUtf8(std::string_view("J\xC3\xA4ger \xE2\x82\xAC \xF0\x9F\x98\x80")),
              u"J\u00e4ger \u20ac \U0001F600");
    EXPECT_EQ(DecodeUtf8(std::string_view("\xF4\x8F\xBF\xBF")), u"\U0010FFFF");
    EXPECT_EQ(DecodeUtf8(std::string_view("\0", 1)), std::u16string(1, u'\0'));
}

TEST(Utf8, RejectsMalformedText)
{
    const std::string_view malformed[] = {
        "\x80",                 // continuation byte without a lead byte
        "\xC3",                 // truncated two-byte sequence
        "a\xE2\x82",            // truncated three-byte sequence at the end
        "\xC3\x28",             // lead byte followed by a non-continuation byte
        "\xC0\x80",             // overlong NUL
        "\xC1\xBF",             // overlong two-byte form
        "\xE0\x80\xAF",         // overlong three-byte form
        "\xF0\x80\x80\xAF",     // overlong four-byte form
        "\xED\xA0\x80",         // encoded high surrogate
        "\xED\xBF\xBF",         // encoded low surrogate
        "\xF4\x90\x80\x80",     // above U+10FFFF
        "\xF8\x88\x80\x80\x80", // five-byte form
        "\xFE",
        "\xFF",
    };
    for (std::string_view bytes : malformed)
        EXPECT_FALSE(DecodeUtf8(bytes).has_value()) << test::ToHex(
            reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace
} // namespace kelvaro
