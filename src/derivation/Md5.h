#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kelvaro {

// MD5 message digest (RFC 1321), fed in pieces of any size.
class TMd5
{
public:
    using TDigest = std::array<std::uint8_t, 16>;

    TMd5();
    ~TMd5();
    TMd5(const TMd5&) = delete;
    TMd5& operator=(const TMd5&) = delete;

    void Update(std::span<const std::uint8_t> Bytes);
    // Ends the message and returns its digest; the object must not be used afterwards.
    TDigest Final();

private:
    void ProcessBlock(const std::uint8_t* Block);

    std::array<std::uint32_t, 4> State;
    std::uint64_t MessageLength = 0; // in bytes
    std::array<std::uint8_t, 64> Pending{};
    std::size_t PendingLength = 0;
};

TMd5::TDigest Md5Digest(std::span<const std::uint8_t> Bytes);

} // namespace kelvaro
