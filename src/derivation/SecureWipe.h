#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace kelvaro {

// Overwrites memory that held a secret. The optimiser would drop a plain
// memset of memory that is never read again; the empty assembly statement
// claims to read it, so the stores must happen.
inline void SecureWipe(void* Memory, std::size_t Size) noexcept
{
    if (Size == 0)
        return; // an empty vector's data() may be null, and memset(nullptr, ...) is undefined
#if defined(__GNUC__)
    std::memset(Memory, 0, Size);
    __asm__ __volatile__("" : : "r"(Memory) : "memory");
#else
    auto* bytes = static_cast<volatile unsigned char*>(Memory);
    for (std::size_t i = 0; i < Size; ++i)
        bytes[i] = 0;
#endif
}

template <typename Char>
void SecureWipe(std::basic_string<Char>& Text) noexcept
{
    // The whole capacity: a string that shrank keeps its old characters there.
    SecureWipe(Text.data(), Text.capacity() * sizeof(Char));
    Text.clear();
}

template <typename T>
void SecureWipe(std::vector<T>& Items) noexcept
{
    SecureWipe(Items.data(), Items.capacity() * sizeof(T));
    Items.clear();
}

} // namespace kelvaro
