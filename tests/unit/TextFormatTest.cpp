#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstring>
#include <string>

#include "game/TextFormat.h"

namespace {

// The board's remaining and cleared formats in code page 932.
const char kRemaining[] = "%i \x8C\xC2\x8E\x63\x82\xE8";                          // "%i 個残り"
const char kCleared[] = "%3.2f \x95\x62\x82\xC5\x83\x4E\x83\x8A\x83\x41!!";      // "%3.2f 秒でクリア!!"

template <typename... TArgs>
std::string Format(const char* pszFormat, TArgs... args)
{
    char szBuffer[512];
    std::memset(szBuffer, 0x55, sizeof(szBuffer));
    const int nLength = FormatText(szBuffer, sizeof(szBuffer), pszFormat, args...);
    EXPECT_EQ(nLength, static_cast<int>(std::strlen(szBuffer))) << "format " << pszFormat;
    return szBuffer;
}

const double kSingleMilli = static_cast<double>(0.001f);

TEST(TextFormatTest, Integers)
{
    struct {
        const char* pszFormat;
        int nValue;
        const char* pszExpected;
    } const aCases[] = {
        {"%i", 0, "0"},           {"%i", 42, "42"},        {"%d", -42, "-42"},
        {"%i", INT_MIN, "-2147483648"}, {"%d", INT_MAX, "2147483647"}, {"%5d", 42, "   42"},
        {"%-5d|", 42, "42   |"},  {"%05d", -42, "-0042"},   {"%.3d", 7, "007"},
        {"%+d", 5, "+5"},         {"% d", 5, " 5"},         {"%-05d|", 7, "7    |"},
        {"%1d", 123, "123"},      {"%.0d", 0, ""},          {"%x", 255, "ff"},
        {"%04X", 0xBEEF, "BEEF"}, {"[%3i]", -5, "[ -5]"},   {"%hd", 70000, "4464"},
    };
    for (const auto& c : aCases)
        EXPECT_EQ(Format(c.pszFormat, c.nValue), c.pszExpected) << "format " << c.pszFormat;
}

TEST(TextFormatTest, UnsignedAndLongIntegers)
{
    EXPECT_EQ(Format("%u", 4294967295u), "4294967295");
    EXPECT_EQ(Format("%u", 0u), "0");
    EXPECT_EQ(Format("%8u|", 17u), "      17|");
    EXPECT_EQ(Format("%ld", -123456L), "-123456");
    EXPECT_EQ(Format("%lld", LLONG_MIN), "-9223372036854775808");
    EXPECT_EQ(Format("%llu", 18446744073709551615ull), "18446744073709551615");
}

TEST(TextFormatTest, FixedPointRoundsTheSeventeenDigitForm)
{
    struct {
        const char* pszFormat;
        double dValue;
        const char* pszExpected;
    } const aCases[] = {
        {"%3.2f", 0.125, "0.13"},
        {"%3.2f", 0.5, "0.50"},
        {"%3.2f", 100.0, "100.00"},
        {"%.2f", 2.675, "2.67"},      // 2.67499999999999982...: the 17 digits end ...998
        {"%.2f", 1.005, "1.00"},
        {"%.2f", 9.995, "9.99"},
        {"%.1f", 0.05, "0.1"},
        {"%.0f", 0.5, "1"},
        {"%.0f", 1.5, "2"},
        {"%.0f", 2.5, "3"},
        {"%.0f", -2.5, "-3"},
        {"%.2f", 0.9999999999999999, "1.00"},
        {"%.1f", 99.999, "100.0"},
        {"%f", 0.0, "0.000000"},
        {"%f", 3.25, "3.250000"},
        {"%.20f", 0.3, "0.29999999999999999000"},
        {"%.20f", 1.0 / 3.0, "0.33333333333333331000"},
        {"%.25f", 0.1, "0.1000000000000000100000000"},
        {"%.1f", 1e22, "10000000000000000000000.0"},
        {"%.0f", 9223372036854775808.0, "9223372036854775800"},
        {"%.0f", 123456789012345678.0, "123456789012345680"},
        {"%.3f", 1e-300, "0.000"},
        {"%.3f", DBL_TRUE_MIN, "0.000"},
        {"%.1f", -1.5, "-1.5"},
        {"%.2f", -0.001, "-0.00"},
        {"%.2f", -1234.5678, "-1234.57"},
        {"%8.2f", 3.14159, "    3.14"},
        {"%-8.2f|", 3.14159, "3.14    |"},
        {"%08.2f", -3.14159, "-0003.14"},
        {"%+.1f", 2.0, "+2.0"},
        {"%.0f", 7.0, "7"},
        {"%#.0f", 7.0, "7."},
    };
    for (const auto& c : aCases)
        EXPECT_EQ(Format(c.pszFormat, c.dValue), c.pszExpected) << "format " << c.pszFormat << " value "
                                                                << c.dValue;
}

TEST(TextFormatTest, ExtremeDoublesKeepSeventeenDigits)
{
    const std::string strMax = Format("%.0f", DBL_MAX);
    EXPECT_EQ(strMax.size(), 309u);
    EXPECT_EQ(strMax.substr(0, 18), "179769313486231570");
    EXPECT_EQ(strMax.find_first_not_of('0', 17), std::string::npos) << strMax;

    EXPECT_EQ(Format("%.0f", 1e300), "10000000000000001" + std::string(284, '0'));

    const std::string strTiny = Format("%.330f", DBL_TRUE_MIN);
    EXPECT_EQ(strTiny.size(), 332u);
    EXPECT_EQ(strTiny.substr(strTiny.size() - 7), "4940656") << strTiny;
    EXPECT_EQ(strTiny.find_first_not_of('0', 2), strTiny.size() - 7) << strTiny;
}

// Elapsed milliseconds times single-precision 0.001, as the board forms the cleared time.
TEST(TextFormatTest, ClearedTimesOfTheBoard)
{
    struct {
        int nMilliseconds;
        const char* pszDouble;   // the product in double
        const char* pszFloat;    // the same product stored as float
    } const aCases[] = {
        {12345, "12.35", "12.35"}, {500, "0.50", "0.50"},  {100000, "100.00", "100.00"},
        {1005, "1.01", "1.00"},    {505, "0.51", "0.50"},  {125, "0.13", "0.13"},
        {0, "0.00", "0.00"},       {999, "1.00", "1.00"},
    };
    for (const auto& c : aCases) {
        const double dSeconds = c.nMilliseconds * kSingleMilli;
        const float fSeconds = static_cast<float>(dSeconds);
        EXPECT_EQ(Format("%3.2f", dSeconds), c.pszDouble) << c.nMilliseconds << " ms as double";
        EXPECT_EQ(Format("%3.2f", static_cast<double>(fSeconds)), c.pszFloat) << c.nMilliseconds << " ms as float";
    }
    EXPECT_EQ(Format(kCleared, 12345 * kSingleMilli),
              "12.35 \x95\x62\x82\xC5\x83\x4E\x83\x8A\x83\x41!!");
}

TEST(TextFormatTest, StringsCharactersAndPercent)
{
    EXPECT_EQ(Format("%s", "abc"), "abc");
    EXPECT_EQ(Format("%5s", "abc"), "  abc");
    EXPECT_EQ(Format("%-5s|", "abc"), "abc  |");
    EXPECT_EQ(Format("%.2s", "abc"), "ab");
    EXPECT_EQ(Format("%s", static_cast<const char*>(nullptr)), "(null)");
    EXPECT_EQ(Format("%c%c", 'x', 'y'), "xy");
    EXPECT_EQ(Format("%3c", 'x'), "  x");
    EXPECT_EQ(Format("100%%"), "100%");
    EXPECT_EQ(Format("%*d|%-*d|", 4, 1, 3, 2), "   1|2  |");
    EXPECT_EQ(Format("%.*f", 1, 0.25), "0.3");
    EXPECT_EQ(Format("a%qb"), "a%qb");
    EXPECT_EQ(Format("tail%"), "tail%");
}

TEST(TextFormatTest, CodePage932BytesAreCopiedUntouched)
{
    EXPECT_EQ(Format(kRemaining, 15), "15 \x8C\xC2\x8E\x63\x82\xE8");
    EXPECT_EQ(Format(kRemaining, 0), "0 \x8C\xC2\x8E\x63\x82\xE8");
    // 0x5C as a trail byte (表) and half-width katakana (0xA5) stay as they are.
    EXPECT_EQ(Format("\x95\x5C%d\xA5\xA5\xA5", 3), "\x95\x5C" "3\xA5\xA5\xA5");
    EXPECT_EQ(Format("\x8E\x9F\x82\xCD %i \x82\xC5\x82\xB7\xA5\xA5\xA5", 7),
              "\x8E\x9F\x82\xCD 7 \x82\xC5\x82\xB7\xA5\xA5\xA5");
    EXPECT_EQ(Format("%s!", "\x82\xA0\x81\x40"), "\x82\xA0\x81\x40!");
}

TEST(TextFormatTest, NeverWritesPastTheBufferAndReturnsTheFullLength)
{
    const std::string strFull = "12 \x8C\xC2\x8E\x63\x82\xE8 and more text";
    for (std::size_t nSize = 0; nSize <= strFull.size() + 2; ++nSize) {
        char szBuffer[64];
        std::memset(szBuffer, 0x55, sizeof(szBuffer));
        const int nLength = FormatText(szBuffer, nSize, "%i \x8C\xC2\x8E\x63\x82\xE8 and %s", 12, "more text");
        EXPECT_EQ(nLength, static_cast<int>(strFull.size())) << "size " << nSize;
        for (std::size_t i = nSize; i < sizeof(szBuffer); ++i)
            ASSERT_EQ(static_cast<unsigned char>(szBuffer[i]), 0x55u) << "byte " << i << " written, size " << nSize;
        if (nSize == 0)
            continue;
        const std::string strOut(szBuffer);
        EXPECT_LT(strOut.size(), nSize);
        EXPECT_EQ(strFull.compare(0, strOut.size(), strOut), 0) << "size " << nSize << ": " << strOut;
        EXPECT_GE(strOut.size() + 2, std::min(nSize - 1, strFull.size())) << "size " << nSize;
    }
    EXPECT_EQ(FormatText(nullptr, 0, kRemaining, 100), 10);
}

TEST(TextFormatTest, TruncationNeverSplitsATwoByteCharacter)
{
    struct {
        const char* pszFormat;
        const char* pszArgument;
        std::size_t nSize;
        const char* pszExpected;
    } const aCases[] = {
        {"ab\x8C\xC2", "", 5, "ab\x8C\xC2"},
        {"ab\x8C\xC2", "", 4, "ab"},
        {"ab\x8C\xC2", "", 3, "ab"},
        // 8C 8C 8C 8C is two characters: the second and fourth bytes are trail bytes.
        {"\x8C\x8C\x8C\x8C", "", 4, "\x8C\x8C"},
        {"\x8C\x8C\x8C\x8C", "", 3, "\x8C\x8C"},
        {"\x8C\x8C\x8C\x8C", "", 2, ""},
        // A lead byte that arrives through an argument counts the same.
        {"a%s", "\x8C\xC2\x8E\x63", 4, "a\x8C\xC2"},
        {"a%s", "\x8C\xC2\x8E\x63", 5, "a\x8C\xC2"},
        {"a%s", "\x8C\xC2\x8E\x63", 6, "a\x8C\xC2\x8E\x63"},
        {"%s\x8E\x63", "\x8C", 3, "\x8C\x8E"},   // the argument's lone lead pairs with the next byte
        // Half-width katakana are single bytes.
        {"\xA5\xA5\xA5", "", 3, "\xA5\xA5"},
        {"\xE0\x40\xFC\x40", "", 4, "\xE0\x40"},
        {"x\x9F\x40", "", 3, "x"},
        {"x\xA0\x81\x40", "", 4, "x\xA0"},
    };
    for (const auto& c : aCases) {
        char szBuffer[16];
        std::memset(szBuffer, 0x55, sizeof(szBuffer));
        FormatText(szBuffer, c.nSize, c.pszFormat, c.pszArgument);
        EXPECT_EQ(std::string(szBuffer), c.pszExpected) << "size " << c.nSize;
    }
}

TEST(TextFormatTest, CopyTextKeepsFormatsLiteralAndCutsWholeCharacters)
{
    struct {
        const char* pszText;
        std::size_t nSize;
        const char* pszExpected;
    } const aCases[] = {
        // A loaded format is copied as it stands, conversions and all.
        {"%3.2f \x95\x62\x82\xC5\x83\x4E\x83\x8A\x83\x41!!", 64, "%3.2f \x95\x62\x82\xC5\x83\x4E\x83\x8A\x83\x41!!"},
        {"\x8E\x9F\x82\xCD %i \x82\xC5\x82\xB7\xA5\xA5\xA5", 80, "\x8E\x9F\x82\xCD %i \x82\xC5\x82\xB7\xA5\xA5\xA5"},
        {"", 8, ""},
        {"ab\x8C\xC2", 4, "ab"},
        {"ab\x8C\xC2", 5, "ab\x8C\xC2"},
    };
    for (const auto& c : aCases) {
        char szBuffer[80];
        std::memset(szBuffer, 0x55, sizeof(szBuffer));
        EXPECT_EQ(CopyText(szBuffer, c.nSize, c.pszText), static_cast<int>(std::strlen(c.pszText)));
        EXPECT_EQ(std::string(szBuffer), c.pszExpected) << "size " << c.nSize;
    }
}

}  // namespace
