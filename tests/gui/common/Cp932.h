// Comparing code-page-932 texts byte for byte, with both sides shown in hex on failure.
#pragma once
#include <gtest/gtest.h>
#include <string>

namespace guitest {

// "38 20 8C C2" followed by the printable ASCII view.
std::string DescribeBytes(const std::string& strBytes);

::testing::AssertionResult Cp932Equal(const char* pszExpectedExpr, const char* pszActualExpr,
                                      const std::string& strExpected, const std::string& strActual);

} // namespace guitest

#define EXPECT_CP932_EQ(expected, actual) EXPECT_PRED_FORMAT2(::guitest::Cp932Equal, expected, actual)
#define ASSERT_CP932_EQ(expected, actual) ASSERT_PRED_FORMAT2(::guitest::Cp932Equal, expected, actual)
