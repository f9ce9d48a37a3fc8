#include "OracleFile.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kelvaro::test {
namespace {

std::vector<std::string> SplitTabs(const std::string& Line)
{
    std::vector<std::string> columns;
    std::istringstream stream(Line);
    std::string column;
    while (std::getline(stream, column, '\t'))
        columns.push_back(column);
    return columns;
}

std::vector<TOracleCase> ReadOracleFile()
{
    const char* path = std::getenv("KELVARO_ORACLE");
    if (path == nullptr)
        throw std::runtime_error("KELVARO_ORACLE is not set");
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error(std::string("cannot read ") + path);
    std::vector<TOracleCase> cases;
    std::string line;
    while (std::getline(file, line)) {
        std::vector<std::string> columns = SplitTabs(line);
        if (columns.size() < 3)
            throw std::runtime_error("malformed oracle line: " + line);
        cases.push_back({columns[0], columns[1], {columns.begin() + 2, columns.end()}});
    }
    return cases;
}

} // namespace

const std::vector<TOracleCase>& OracleCases()
{
    static const std::vector<TOracleCase> cases = ReadOracleFile();
    return cases;
}

std::u16string DecodeTextColumn(const std::string& Column)
{
    if (Column == "-")
        return {};
    const std::size_t star = Column.find('*');
    const std::string units = Column.substr(0, star);
    const std::size_t repetitions = star == std::string::npos ? 1 : std::stoul(Column.substr(star + 1));
    std::u16string once;
    for (std::size_t i = 0; i + 4 <= units.size(); i += 4)
        once.push_back(static_cast<char16_t>(std::stoul(units.substr(i, 4), nullptr, 16)));
    std::u16string text;
    text.reserve(once.size() * repetitions);
    for (std::size_t i = 0; i < repetitions; ++i)
        text += once;
    return text;
}

std::vector<std::uint8_t> DecodeHex(const std::string& Hex)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 2 <= Hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(Hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::string ToHex(const std::uint8_t* Bytes, std::size_t Size)
{
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    for (std::size_t i = 0; i < Size; ++i) {
        hex.push_back(Digits[Bytes[i] >> 4]);
        hex.push_back(Digits[Bytes[i] & 0xF]);
    }
    return hex;
}

std::vector<std::uint8_t> PatternBytes(std::size_t Length)
{
    std::vector<std::uint8_t> bytes(Length);
    for (std::size_t i = 0; i < Length; ++i)
        bytes[i] = static_cast<std::uint8_t>(i % 251);
    return bytes;
}

} // namespace kelvaro::test
