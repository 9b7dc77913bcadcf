#include "game/TextFormat.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

bool IsLeadByte932(unsigned char nByte)
{
    return (nByte >= 0x81 && nByte <= 0x9F) || (nByte >= 0xE0 && nByte <= 0xFC);
}

namespace {

// Bounded writer that knows, from the first byte on, which output bytes start a two-byte character.
class COutput {
public:
    COutput(char* pszBuffer, std::size_t nSize) : m_pszBuffer(pszBuffer), m_nSize(pszBuffer ? nSize : 0) {}

    void Put(char c)
    {
        const bool bLead = !m_bTrailNext && IsLeadByte932(static_cast<unsigned char>(c));
        m_bTrailNext = bLead;
        if (m_nLength + 1 < m_nSize) {
            m_pszBuffer[m_nLength] = c;
            m_bLastKeptLead = bLead;
        }
        ++m_nLength;
    }

    void Put(const char* p, std::size_t n)
    {
        for (std::size_t i = 0; i < n; ++i)
            Put(p[i]);
    }

    void Repeat(char c, int n)
    {
        for (; n > 0; --n)
            Put(c);
    }

    int Finish()
    {
        if (m_nSize > 0) {
            std::size_t nKept = m_nLength < m_nSize - 1 ? m_nLength : m_nSize - 1;
            // Cut before a lead byte whose trail byte did not fit.
            if (nKept < m_nLength && nKept > 0 && m_bLastKeptLead)
                --nKept;
            m_pszBuffer[nKept] = '\0';
        }
        return m_nLength > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(m_nLength);
    }

private:
    char* m_pszBuffer;
    std::size_t m_nSize;
    std::size_t m_nLength = 0;
    bool m_bTrailNext = false;
    bool m_bLastKeptLead = false;
};

struct CField {
    bool bLeft = false, bZero = false, bPlus = false, bSpace = false, bAlt = false;
    int nWidth = 0;
    int nPrecision = -1;
};

// Sign, body and padding laid out by width and flags; zeros go between sign and body.
void PutField(COutput& out, const CField& field, const std::string& strSign, const std::string& strBody,
              bool bZeroAllowed)
{
    const int nLength = static_cast<int>(strSign.size() + strBody.size());
    const int nPad = field.nWidth > nLength ? field.nWidth - nLength : 0;
    if (field.bLeft) {
        out.Put(strSign.data(), strSign.size());
        out.Put(strBody.data(), strBody.size());
        out.Repeat(' ', nPad);
    } else if (field.bZero && bZeroAllowed) {
        out.Put(strSign.data(), strSign.size());
        out.Repeat('0', nPad);
        out.Put(strBody.data(), strBody.size());
    } else {
        out.Repeat(' ', nPad);
        out.Put(strSign.data(), strSign.size());
        out.Put(strBody.data(), strBody.size());
    }
}

std::string SignText(const CField& field, bool bNegative)
{
    if (bNegative)
        return "-";
    if (field.bPlus)
        return "+";
    if (field.bSpace)
        return " ";
    return std::string();
}

void PutInteger(COutput& out, const CField& field, unsigned long long nMagnitude, bool bNegative, unsigned nBase,
                bool bUpper)
{
    const char* pszDigits = bUpper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string strDigits;
    while (nMagnitude > 0) {
        strDigits.insert(strDigits.begin(), pszDigits[nMagnitude % nBase]);
        nMagnitude /= nBase;
    }
    const std::size_t nMinDigits = field.nPrecision < 0 ? 1 : static_cast<std::size_t>(field.nPrecision);
    if (strDigits.size() < nMinDigits)
        strDigits.insert(0, nMinDigits - strDigits.size(), '0');
    PutField(out, field, nBase == 10 ? SignText(field, bNegative) : std::string(), strDigits, field.nPrecision < 0);
}

// Unsigned big integer in base 10^9, least significant limb first.
class CBigDecimal {
public:
    explicit CBigDecimal(std::uint64_t nValue)
    {
        while (nValue > 0) {
            m_anLimbs.push_back(static_cast<std::uint32_t>(nValue % kBase));
            nValue /= kBase;
        }
    }

    void Multiply(std::uint32_t nFactor)
    {
        std::uint64_t nCarry = 0;
        for (std::uint32_t& nLimb : m_anLimbs) {
            const std::uint64_t nProduct = static_cast<std::uint64_t>(nLimb) * nFactor + nCarry;
            nLimb = static_cast<std::uint32_t>(nProduct % kBase);
            nCarry = nProduct / kBase;
        }
        while (nCarry > 0) {
            m_anLimbs.push_back(static_cast<std::uint32_t>(nCarry % kBase));
            nCarry /= kBase;
        }
    }

    void MultiplyPower(std::uint32_t nBase, int nExponent, std::uint32_t nChunk, int nChunkExponent)
    {
        for (; nExponent >= nChunkExponent; nExponent -= nChunkExponent)
            Multiply(nChunk);
        for (; nExponent > 0; --nExponent)
            Multiply(nBase);
    }

    std::string ToString() const
    {
        std::string str;
        for (std::size_t i = m_anLimbs.size(); i-- > 0;) {
            std::string strLimb = std::to_string(m_anLimbs[i]);
            if (i + 1 != m_anLimbs.size())
                strLimb.insert(0, 9 - strLimb.size(), '0');
            str += strLimb;
        }
        return str;
    }

private:
    static constexpr std::uint32_t kBase = 1000000000u;
    std::vector<std::uint32_t> m_anLimbs;
};

// Adds one unit in the last digit; returns true when a new leading digit appeared.
bool IncrementDigits(std::string& strDigits)
{
    for (std::size_t i = strDigits.size(); i-- > 0;) {
        if (strDigits[i] != '9') {
            ++strDigits[i];
            return false;
        }
        strDigits[i] = '0';
    }
    strDigits.insert(strDigits.begin(), '1');
    return true;
}

// |value| as digits D and point position: value = 0.D x 10^nPoint, D rounded to 17 significant digits.
void SignificantDigits(double dValue, std::string& strDigits, int& nPoint)
{
    std::uint64_t nBits;
    std::memcpy(&nBits, &dValue, sizeof(nBits));
    const int nBiased = static_cast<int>((nBits >> 52) & 0x7FF);
    std::uint64_t nMantissa = nBits & ((std::uint64_t(1) << 52) - 1);
    int nExponent;
    if (nBiased == 0) {
        nExponent = -1074;
    } else {
        nMantissa |= std::uint64_t(1) << 52;
        nExponent = nBiased - 1075;
    }
    strDigits.clear();
    nPoint = 0;
    if (nMantissa == 0)
        return;

    // Exact expansion: m x 2^e, or for e < 0 (m x 5^-e) / 10^-e.
    CBigDecimal big(nMantissa);
    if (nExponent >= 0)
        big.MultiplyPower(2, nExponent, 1u << 29, 29);
    else
        big.MultiplyPower(5, -nExponent, 1220703125u, 13);
    strDigits = big.ToString();
    nPoint = static_cast<int>(strDigits.size()) + (nExponent < 0 ? nExponent : 0);

    const std::size_t kSignificant = 17;
    if (strDigits.size() > kSignificant) {
        const bool bUp = strDigits[kSignificant] >= '5';
        strDigits.resize(kSignificant);
        if (bUp && IncrementDigits(strDigits)) {
            strDigits.pop_back();
            ++nPoint;
        }
    }
    while (!strDigits.empty() && strDigits.back() == '0')
        strDigits.pop_back();
}

void PutFixed(COutput& out, const CField& field, double dValue)
{
    const int nDecimals = field.nPrecision < 0 ? 6 : field.nPrecision;
    const bool bNegative = std::signbit(dValue);
    if (dValue != dValue || dValue - dValue != 0.0) {
        PutField(out, field, SignText(field, bNegative), dValue != dValue ? "nan" : "inf", false);
        return;
    }

    std::string strDigits;
    int nPoint = 0;
    SignificantDigits(dValue, strDigits, nPoint);

    // value x 10^decimals, truncated, then rounded by the next digit (5 or more goes up).
    const long long nKeep = static_cast<long long>(nPoint) + nDecimals;
    std::string strScaled;
    char cNext = '0';
    if (nKeep >= 0) {
        const std::size_t nTake = static_cast<std::size_t>(nKeep);
        strScaled = strDigits.substr(0, nTake);
        if (strScaled.size() < nTake)
            strScaled.append(nTake - strScaled.size(), '0');
        if (nTake < strDigits.size())
            cNext = strDigits[nTake];
    }
    if (cNext >= '5')
        IncrementDigits(strScaled);
    const std::size_t nMinLength = static_cast<std::size_t>(nDecimals) + 1;
    if (strScaled.size() < nMinLength)
        strScaled.insert(0, nMinLength - strScaled.size(), '0');

    std::string strBody = strScaled.substr(0, strScaled.size() - nDecimals);
    if (nDecimals > 0 || field.bAlt)
        strBody += '.';
    strBody += strScaled.substr(strScaled.size() - nDecimals);
    PutField(out, field, SignText(field, bNegative), strBody, true);
}

}  // namespace

int FormatText(char* pszBuffer, std::size_t nSize, const char* pszFormat, ...)
{
    std::va_list args;
    va_start(args, pszFormat);
    const int nLength = FormatTextV(pszBuffer, nSize, pszFormat, args);
    va_end(args);
    return nLength;
}

int FormatTextV(char* pszBuffer, std::size_t nSize, const char* pszFormat, std::va_list args)
{
    COutput out(pszBuffer, nSize);
    const char* p = pszFormat ? pszFormat : "";
    while (*p) {
        if (*p != '%') {
            // A two-byte character is copied whole, never read as a conversion.
            if (IsLeadByte932(static_cast<unsigned char>(*p)) && p[1]) {
                out.Put(p, 2);
                p += 2;
            } else {
                out.Put(*p++);
            }
            continue;
        }
        const char* pszStart = p++;
        CField field;
        for (;; ++p) {
            if (*p == '-') field.bLeft = true;
            else if (*p == '0') field.bZero = true;
            else if (*p == '+') field.bPlus = true;
            else if (*p == ' ') field.bSpace = true;
            else if (*p == '#') field.bAlt = true;
            else break;
        }
        if (*p == '*') {
            field.nWidth = va_arg(args, int);
            if (field.nWidth < 0) {
                field.bLeft = true;
                field.nWidth = field.nWidth == INT_MIN ? INT_MAX : -field.nWidth;
            }
            ++p;
        } else {
            for (; *p >= '0' && *p <= '9'; ++p)
                field.nWidth = field.nWidth > (INT_MAX - 9) / 10 ? INT_MAX : field.nWidth * 10 + (*p - '0');
        }
        if (*p == '.') {
            ++p;
            field.nPrecision = 0;
            if (*p == '*') {
                field.nPrecision = va_arg(args, int);
                if (field.nPrecision < 0)
                    field.nPrecision = -1;
                ++p;
            } else {
                for (; *p >= '0' && *p <= '9'; ++p)
                    field.nPrecision = field.nPrecision > (INT_MAX - 9) / 10 ? INT_MAX
                                                                          : field.nPrecision * 10 + (*p - '0');
            }
        }
        int nLong = 0;   // -1 short, 1 long, 2 long long
        if (*p == 'h') {
            nLong = -1;
            ++p;
            if (*p == 'h')
                ++p;
        } else if (*p == 'l') {
            nLong = 1;
            ++p;
            if (*p == 'l') {
                nLong = 2;
                ++p;
            }
        } else if (*p == 'L') {
            ++p;
        }

        const char cConversion = *p;
        if (cConversion)
            ++p;
        switch (cConversion) {
        case 'd':
        case 'i': {
            long long nValue;
            if (nLong == 2) nValue = va_arg(args, long long);
            else if (nLong == 1) nValue = va_arg(args, long);
            else if (nLong == -1) nValue = static_cast<short>(va_arg(args, int));
            else nValue = va_arg(args, int);
            // Magnitude in unsigned arithmetic so the most negative value has one.
            const unsigned long long nMagnitude =
                nValue < 0 ? 0ull - static_cast<unsigned long long>(nValue) : static_cast<unsigned long long>(nValue);
            PutInteger(out, field, nMagnitude, nValue < 0, 10, false);
            break;
        }
        case 'u':
        case 'x':
        case 'X': {
            unsigned long long nValue;
            if (nLong == 2) nValue = va_arg(args, unsigned long long);
            else if (nLong == 1) nValue = va_arg(args, unsigned long);
            else if (nLong == -1) nValue = static_cast<unsigned short>(va_arg(args, unsigned int));
            else nValue = va_arg(args, unsigned int);
            PutInteger(out, field, nValue, false, cConversion == 'u' ? 10 : 16, cConversion == 'X');
            break;
        }
        case 'f':
        case 'F':
            PutFixed(out, field, va_arg(args, double));
            break;
        case 'c': {
            const char c = static_cast<char>(va_arg(args, int));
            PutField(out, field, std::string(), std::string(1, c), false);
            break;
        }
        case 's': {
            const char* psz = va_arg(args, const char*);
            if (!psz)
                psz = "(null)";
            std::size_t nLength = 0;
            while (psz[nLength] && (field.nPrecision < 0 || nLength < static_cast<std::size_t>(field.nPrecision)))
                ++nLength;
            PutField(out, field, std::string(), std::string(psz, nLength), false);
            break;
        }
        case '%':
            out.Put('%');
            break;
        default:
            // Not a conversion this formatter knows: the text stays as written.
            out.Put(pszStart, static_cast<std::size_t>(p - pszStart));
            break;
        }
    }
    return out.Finish();
}

int CopyText(char* pszBuffer, std::size_t nSize, const char* pszText)
{
    return FormatText(pszBuffer, nSize, "%s", pszText);
}
