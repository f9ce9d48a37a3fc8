#include "Md5.h"

#include "OracleFile.h"

#include <gtest/gtest.h>

#include <string_view>

namespace kelvaro {
namespace {

using test::ToHex;

std::string HexDigest(std::span<const std::uint8_t> Bytes)
{
    const TMd5::TDigest digest = Md5Digest(Bytes);
    return ToHex(digest.data(), digest.size());
}

std::span<const std::uint8_t> BytesOf(std::string_view Text)
{
    return {reinterpret_cast<const std::uint8_t*>(Text.data()), Text.size()};
}

TEST(Md5, Rfc1321TestSuite)
{
    struct TCase
    {
        std::string_view Message;
        std::string_view Digest;
    };
    const TCase cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"1234567890123456789012345678901234567890123456789012345678901234567890123456789"
         "0",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(HexDigest(BytesOf(c.Message)), c.Digest) << "message \"" << c.Message << '"';
}

// Every length up to 200 bytes crosses the padding boundaries at 55/56 and 63/64.
TEST(Md5, MatchesOracleForEveryLength)
{
    int checked = 0;
    for (const test::TOracleCase& c : test::OracleCases()) {
        if (c.Kind != "md5")
            continue;
        const std::vector<std::uint8_t> message = test::PatternBytes(std::stoul(c.Columns[0]));
        EXPECT_EQ(HexDigest(message), c.Columns[1]) << c.Name;
        ++checked;
    }
    EXPECT_GT(checked, 200);
}

// The digest must not depend on how the message is cut into updates.
TEST(Md5, SplitUpdatesGiveTheSameDigest)
{
    for (const test::TOracleCase& c : test::OracleCases()) {
        const std::size_t length = c.Kind == "md5" ? std::stoul(c.Columns[0]) : 0;
        if (c.Kind != "md5" || length > 200)
            continue;
        const std::vector<std::uint8_t> message = test::PatternBytes(length);
        const std::span<const std::uint8_t> all(message);
        for (std::size_t cut = 0; cut <= length; ++cut) {
            TMd5 md5;
            md5.Update(all.first(cut));
            md5.Update(all.subspan(cut));
            const TMd5::TDigest digest = md5.Final();
            ASSERT_EQ(ToHex(digest.data(), digest.size()), c.Columns[1]) << c.Name << " cut at " << cut;
        }
        TMd5 byteByByte;
        for (std::uint8_t byte : message)
            byteByByte.Update(std::span(&byte, 1));
        const TMd5::TDigest digest = byteByByte.Final();
        EXPECT_EQ(ToHex(digest.data(), digest.size()), c.Columns[1]) << c.Name << " byte by byte";
    }
}

} // namespace
} // namespace kelvaro
