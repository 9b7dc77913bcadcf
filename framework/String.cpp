#include "framework/String.h"
#include "framework/AppState.h"
#include "game/TextFormat.h"

#include <cstdarg>
#include <cstring>
#include <vector>

CString::CString() = default;

CString::CString(const CString& str) = default;

CString::CString(LPCSTR lpsz) : m_str(lpsz != nullptr ? lpsz : "") {}

CString::CString(char ch, int nRepeat) : m_str(static_cast<size_t>(nRepeat > 0 ? nRepeat : 0), ch) {}

CString::~CString() = default;

CString& CString::operator=(const CString& str) = default;

CString& CString::operator=(LPCSTR lpsz)
{
    m_str = lpsz != nullptr ? lpsz : "";
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

void CString::Empty()
{
    m_str.clear();
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(LPCSTR lpsz)
{
    if (lpsz != nullptr)
        m_str += lpsz;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

int CString::Compare(LPCSTR lpsz) const
{
    return std::strcmp(m_str.c_str(), lpsz != nullptr ? lpsz : "");
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    size_t nPos = m_str.find(ch, static_cast<size_t>(nStart));
    return nPos == std::string::npos ? -1 : static_cast<int>(nPos);
}

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    if (lpszSub == nullptr || nStart < 0 || nStart > GetLength())
        return -1;
    size_t nPos = m_str.find(lpszSub, static_cast<size_t>(nStart));
    return nPos == std::string::npos ? -1 : static_cast<int>(nPos);
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    return CString(m_str.substr(0, static_cast<size_t>(nCount)).c_str());
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst >= GetLength() || nCount <= 0)
        return CString();
    CString result;
    result.m_str = m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount));
    return result;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
    if (lpszOld == nullptr || *lpszOld == '\0')
        return 0;
    std::string strNew = lpszNew != nullptr ? lpszNew : "";
    size_t nOldLen = std::strlen(lpszOld);
    int nCount = 0;
    for (size_t nPos = m_str.find(lpszOld); nPos != std::string::npos;
         nPos = m_str.find(lpszOld, nPos + strNew.size())) {
        m_str.replace(nPos, nOldLen, strNew);
        ++nCount;
    }
    return nCount;
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(std::strlen(m_str.c_str()));
    if (nNewLength < GetLength())
        m_str.resize(static_cast<size_t>(nNewLength));
}

BOOL CString::LoadString(UINT nID)
{
    // LoadStringA reports no more than the buffer takes: grow until the text ends short of it.
    for (int nSize = 256; nSize <= 65536; nSize *= 2) {
        std::vector<char> buffer(static_cast<size_t>(nSize));
        int nLen = ::LoadStringA(AfxGetResourceHandle(), nID, buffer.data(), nSize);
        if (nLen <= 0) {
            Empty();
            return FALSE;
        }
        if (nLen < nSize - 1) {
            m_str.assign(buffer.data(), static_cast<size_t>(nLen));
            return TRUE;
        }
    }
    Empty();
    return FALSE;
}

void CString::FormatV(LPCSTR lpszFormat, va_list args)
{
    va_list argsMeasure;
    va_copy(argsMeasure, args);
    int nLen = FormatTextV(nullptr, 0, lpszFormat, argsMeasure);
    va_end(argsMeasure);
    if (nLen <= 0) {
        Empty();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(nLen) + 1);
    FormatTextV(buffer.data(), buffer.size(), lpszFormat, args);
    m_str.assign(buffer.data(), static_cast<size_t>(nLen));
}

void CString::Format(LPCSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(strFormat, args);
    va_end(args);
}

CString operator+(const CString& str1, const CString& str2)
{
    CString result(str1);
    result += str2;
    return result;
}

CString operator+(const CString& str, LPCSTR lpsz)
{
    CString result(str);
    result += lpsz;
    return result;
}

CString operator+(LPCSTR lpsz, const CString& str)
{
    CString result(lpsz);
    result += str;
    return result;
}

CString operator+(const CString& str, char ch)
{
    CString result(str);
    result += ch;
    return result;
}

bool operator==(const CString& str1, const CString& str2)
{
    return str1.Compare(str2) == 0 && str1.GetLength() == str2.GetLength();
}

bool operator==(const CString& str, LPCSTR lpsz)
{
    return str.Compare(lpsz) == 0;
}

bool operator==(LPCSTR lpsz, const CString& str)
{
    return str.Compare(lpsz) == 0;
}

bool operator!=(const CString& str1, const CString& str2)
{
    return !(str1 == str2);
}

bool operator!=(const CString& str, LPCSTR lpsz)
{
    return !(str == lpsz);
}

bool operator!=(LPCSTR lpsz, const CString& str)
{
    return !(str == lpsz);
}
