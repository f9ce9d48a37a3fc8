// Prints the throughput of the MD5 digest (ours and OpenSSL's, on the same
// bytes) and of the whole derivation, and the process's peak memory.
// Figures only: nothing here passes or fails.
#include "Md5.h"
#include "PasswordDerivation.h"

#include <openssl/evp.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr std::size_t InputSize = 64 * 1024 * 1024;
constexpr int Rounds = 3;

// Best of a few rounds: the figure least disturbed by the rest of the machine.
double BestSeconds(const std::function<void()>& Work)
{
    double best = 1e30;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        Work();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

void Report(const char* What, double Seconds)
{
    std::printf("%-44s %8.1f MB/s  (%.3f s for %zu MiB)\n", What,
                static_cast<double>(InputSize) / 1e6 / Seconds, Seconds, InputSize >> 20);
}

} // namespace

int main()
{
    std::vector<std::uint8_t> bytes(InputSize);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>('a' + i % 26);
    std::u16string text(bytes.begin(), bytes.end());

    volatile std::uint8_t sink = 0;
    Report("MD5, Kelvaro", BestSeconds([&] { sink = sink ^ kelvaro::Md5Digest(bytes)[0]; }));
    Report("MD5, OpenSSL", BestSeconds([&] {
               unsigned char digest[EVP_MAX_MD_SIZE];
               unsigned int length = 0;
               EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_md5(), nullptr);
               sink = sink ^ digest[0];
           }));
    Report("GeneratePassword (concatenate, UTF-8, MD5)", BestSeconds([&] {
               sink = sink ^ static_cast<std::uint8_t>(kelvaro::GeneratePassword(text, u"m", u"a")[0]);
           }));

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-44s %8.1f MiB  (the input itself: %zu MiB UTF-8 + %zu MiB UTF-16)\n",
                "peak resident memory", static_cast<double>(usage.ru_maxrss) / 1024.0, InputSize >> 20,
                (InputSize * 2) >> 20);
    return 0;
}
