#include "RoundedLine.h"

#include <cmath>
#include <cwctype>
#include <vector>

namespace {

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += (c < 0x80) ? static_cast<char>(c) : '?';
    return out;
}

// Reads "-?digits.dd" at `pos`; advances `pos` past it.
bool ReadTwoDecimals(const std::wstring& line, std::size_t& pos, double& value)
{
    std::size_t start = pos;
    if (pos < line.size() && line[pos] == L'-')
        ++pos;
    std::size_t digits = pos;
    while (pos < line.size() && std::iswdigit(line[pos]))
        ++pos;
    if (pos == digits || pos >= line.size() || line[pos] != L'.')
        return false;
    ++pos;
    for (int i = 0; i < 2; ++i, ++pos) {
        if (pos >= line.size() || !std::iswdigit(line[pos]))
            return false;
    }
    value = std::stod(Narrow(line.substr(start, pos - start)));
    return true;
}

}  // namespace

::testing::AssertionResult MatchesRounded(const std::wstring& line, const std::wstring& format,
                                          std::initializer_list<double> values)
{
    const std::wstring placeholder = L"%.2f";
    std::vector<double> expected(values);
    std::size_t next = 0;
    std::size_t pos = 0;
    for (std::size_t f = 0; f < format.size();) {
        if (format.compare(f, placeholder.size(), placeholder) == 0) {
            double printed = 0;
            if (next >= expected.size() || !ReadTwoDecimals(line, pos, printed))
                return ::testing::AssertionFailure() << "no number at " << pos << " in " << Narrow(line);
            const double want = expected[next++];
            const double slack = 0.005 + 1e-6 * std::fabs(want);
            if (std::fabs(printed - want) > slack)
                return ::testing::AssertionFailure()
                       << "printed " << printed << " for " << want << " in " << Narrow(line);
            f += placeholder.size();
            continue;
        }
        if (pos >= line.size() || line[pos] != format[f])
            return ::testing::AssertionFailure() << "text differs at " << pos << " in " << Narrow(line);
        ++pos;
        ++f;
    }
    if (pos != line.size() || next != expected.size())
        return ::testing::AssertionFailure() << "length differs: " << Narrow(line);
    return ::testing::AssertionSuccess();
}
