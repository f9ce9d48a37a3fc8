#include "Md5.h"

#include "SecureWipe.h"

#include <algorithm>

namespace kelvaro {
namespace {

// floor(abs(sin(i + 1)) * 2^32), RFC 1321 section 3.4.
constexpr std::array<std::uint32_t, 64> SineTable = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

constexpr std::array<unsigned, 16> RotationAmounts = {
    7, 12, 17, 22, 5, 9, 14, 20, 4, 11, 16, 23, 6, 10, 15, 21,
};

constexpr std::uint32_t RotateLeft(std::uint32_t Value, unsigned Amount)
{
    return (Value << Amount) | (Value >> (32 - Amount));
}

// Byte by byte, so the result does not depend on the machine's byte order.
std::uint32_t LoadLittleEndian(const std::uint8_t* Bytes)
{
    return std::uint32_t{Bytes[0]} | std::uint32_t{Bytes[1]} << 8 | std::uint32_t{Bytes[2]} << 16 |
           std::uint32_t{Bytes[3]} << 24;
}

void StoreLittleEndian(std::uint32_t Value, std::uint8_t* Bytes)
{
    for (int i = 0; i < 4; ++i)
        Bytes[i] = static_cast<std::uint8_t>(Value >> (8 * i));
}

} // namespace

TMd5::TMd5() : State{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476} {}

TMd5::~TMd5()
{
    SecureWipe(State.data(), sizeof State);
    SecureWipe(Pending.data(), sizeof Pending);
}

void TMd5::Update(std::span<const std::uint8_t> Bytes)
{
    MessageLength += Bytes.size();
    if (PendingLength > 0) {
        const std::size_t taken = std::min(Bytes.size(), Pending.size() - PendingLength);
        std::copy_n(Bytes.begin(), taken, Pending.begin() + static_cast<std::ptrdiff_t>(PendingLength));
        PendingLength += taken;
        Bytes = Bytes.subspan(taken);
        if (PendingLength < Pending.size())
            return;
        ProcessBlock(Pending.data());
        PendingLength = 0;
    }
    while (Bytes.size() >= Pending.size()) {
        ProcessBlock(Bytes.data());
        Bytes = Bytes.subspan(Pending.size());
    }
    std::copy(Bytes.begin(), Bytes.end(), Pending.begin());
    PendingLength = Bytes.size();
}

TMd5::TDigest TMd5::Final()
{
    const std::uint64_t messageBits = MessageLength * 8;

    // A single 1 bit, zeros up to 56 bytes into a block, then the bit length.
    std::array<std::uint8_t, 72> padding{0x80};
    const std::size_t paddingLength =
        PendingLength < 56 ? 56 - PendingLength : 64 + 56 - PendingLength;
    for (int i = 0; i < 8; ++i)
        padding[paddingLength + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(messageBits >> (8 * i));
    Update(std::span(padding.data(), paddingLength + 8));

    TDigest digest;
    for (std::size_t i = 0; i < State.size(); ++i)
        StoreLittleEndian(State[i], digest.data() + 4 * i);
    return digest;
}

void TMd5::ProcessBlock(const std::uint8_t* Block)
{
    std::array<std::uint32_t, 16> words;
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = LoadLittleEndian(Block + 4 * i);

    std::uint32_t a = State[0], b = State[1], c = State[2], d = State[3];
    for (unsigned i = 0; i < 64; ++i) {
        std::uint32_t mixed;
        unsigned wordIndex;
        switch (i / 16) {
        case 0:
            mixed = (b & c) | (~b & d);
            wordIndex = i;
            break;
        case 1:
            mixed = (d & b) | (~d & c);
            wordIndex = (5 * i + 1) % 16;
            break;
        case 2:
            mixed = b ^ c ^ d;
            wordIndex = (3 * i + 5) % 16;
            break;
        default:
            mixed = c ^ (b | ~d);
            wordIndex = (7 * i) % 16;
            break;
        }
        mixed += a + SineTable[i] + words[wordIndex];
        a = d;
        d = c;
        c = b;
        b += RotateLeft(mixed, RotationAmounts[4 * (i / 16) + i % 4]);
    }
    State[0] += a;
    State[1] += b;
    State[2] += c;
    State[3] += d;
    SecureWipe(words.data(), sizeof words);
}

TMd5::TDigest Md5Digest(std::span<const std::uint8_t> Bytes)
{
    TMd5 md5;
    md5.Update(Bytes);
    return md5.Final();
}

} // namespace kelvaro
