// Checks a status line against its format, where each "%.2f" must be the
// given value rounded to two decimals. A value that falls within float noise
// of a rounding tie may print either neighbour; everything else is exact.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

::testing::AssertionResult MatchesRounded(const std::wstring& line, const std::wstring& format,
                                          std::initializer_list<double> values);
