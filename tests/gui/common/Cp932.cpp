#include "common/Cp932.h"

#include <cstdio>

namespace guitest {

std::string DescribeBytes(const std::string& strBytes)
{
    std::string strHex;
    std::string strAscii;
    for (unsigned char ch : strBytes) {
        char szByte[4];
        std::snprintf(szByte, sizeof szByte, "%02X", ch);
        if (!strHex.empty())
            strHex += ' ';
        strHex += szByte;
        strAscii += (ch >= 0x20 && ch < 0x7F) ? static_cast<char>(ch) : '.';
    }
    return "[" + strHex + "] \"" + strAscii + "\" (" + std::to_string(strBytes.size()) + " bytes)";
}

::testing::AssertionResult Cp932Equal(const char* pszExpectedExpr, const char* pszActualExpr,
                                      const std::string& strExpected, const std::string& strActual)
{
    if (strExpected == strActual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "cp932 texts differ\n  expected (" << pszExpectedExpr
                                         << "): " << DescribeBytes(strExpected) << "\n  actual   (" << pszActualExpr
                                         << "): " << DescribeBytes(strActual);
}

} // namespace guitest
