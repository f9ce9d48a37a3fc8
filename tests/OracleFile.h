#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvaro::test {

// One case from the file that tests/make_oracle.py writes at test time.
struct TOracleCase
{
    std::string Kind; // "md5" or "derive"
    std::string Name;
    std::vector<std::string> Columns; // the columns after the name
};

// The cases of the oracle file named by the KELVARO_ORACLE environment variable.
const std::vector<TOracleCase>& OracleCases();

// A text column: UTF-16 code units in hex, optionally "*N" repeated; "-" is empty.
std::u16string DecodeTextColumn(const std::string& Column);
std::vector<std::uint8_t> DecodeHex(const std::string& Hex);
std::string ToHex(const std::uint8_t* Bytes, std::size_t Size);
// The bytes i % 251 for i = 0 .. Length - 1.
std::vector<std::uint8_t> PatternBytes(std::size_t Length);

} // namespace kelvaro::test
