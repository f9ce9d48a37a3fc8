#include "PasswordDerivation.h"

#include "Md5.h"
#include "OracleFile.h"
#include "Utf8.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(GeneratePassword, MatchesOracle)
{
    int checked = 0;
    for (const test::TOracleCase& c : test::OracleCases()) {
        if (c.Kind != "derive")
            continue;
        const std::u16string user = test::DecodeTextColumn(c.Columns[0]);
        const std::u16string master = test::DecodeTextColumn(c.Columns[1]);
        const std::u16string application = test::DecodeTextColumn(c.Columns[2]);
        const std::u16string expected(c.Columns[5].begin(), c.Columns[5].end());
        EXPECT_EQ(GeneratePassword(user, master, application), expected) << c.Name;

        const TMd5::TDigest digest = Md5Digest(EncodeUtf8(user + master + application));
        EXPECT_EQ(test::ToHex(digest.data(), digest.size()), c.Columns[4]) << c.Name;
        ++checked;
    }
    EXPECT_GT(checked, 30);
}

// MD5("") is d4 1d 8c d9 8f 00 b2 04 e9 80 09 98 ... (RFC 1321); mapped by hand:
// 212%26=4 e, 29%26=3 D, 140%10=0, 217%29=14 |, 143%26=13 n, 0 A, 178%10=8,
// 4 %, 233%26=25 z, 128%26=24 Y, 9, 152%29=7 *.
TEST(GeneratePassword, EmptyInputsWorkedByHand)
{
    EXPECT_EQ(GeneratePassword(u"", u"", u""), u"eD0|nA8%zY9*");
}

TEST(GeneratePassword, FieldBoundariesAreNotEncoded)
{
    EXPECT_EQ(GeneratePassword(u"ab", u"c", u"app"), GeneratePassword(u"a", u"bc", u"app"));
    EXPECT_EQ(GeneratePassword(u"", u"abc", u""), GeneratePassword(u"abc", u"", u""));
}

TEST(GeneratePassword, SpecialCharsAreTheDocumentedCodePoints)
{
    const char16_t expected[] = {0x21, 0x40, 0x23, 0x24, 0x25, 0x5E, 0x26, 0x2A, 0x28, 0x29,
                                 0x5F, 0x2B, 0x7B, 0x7D, 0x7C, 0x3A, 0x22, 0x3C, 0x3E, 0x3F,
                                 0x2D, 0x3D, 0x5B, 0x5D, 0x5C, 0x3B, 0x2E, 0x2C, 0x2F};
    EXPECT_EQ(SpecialChars, std::u16string_view(expected, std::size(expected)));
}

// Whatever the input, position i holds a character of table i % 4 only.
TEST(GeneratePassword, EveryPositionComesFromItsTable)
{
    auto inTable = [](char16_t Character, std::size_t Position) {
        const std::u16string_view tables[] = {LowerCaseLetters, UpperCaseLetters, Numbers, SpecialChars};
        return tables[Position % 4].find(Character) != std::u16string_view::npos;
    };
    for (int n = 0; n < 2000; ++n) {
        const std::u16string application = u"app" + std::u16string(static_cast<std::size_t>(n % 7), u'x') +
                                           static_cast<char16_t>(0x20 + n);
        const std::u16string password = GeneratePassword(u"user", u"master", application);
        ASSERT_EQ(password.size(), PasswordLength);
        for (std::size_t i = 0; i < password.size(); ++i)
            ASSERT_TRUE(inTable(password[i], i)) << "input " << n << " position " << i;
    }
}

} // namespace
} // namespace kelvaro
