// A string of code-page-932 bytes with value semantics.
#pragma once
#include <windows.h>
#include <cstdarg>
#include <string>

class CString {
public:
    CString();
    CString(const CString& str);
    CString(LPCSTR lpsz);    // nullptr gives an empty string
    CString(char ch, int nRepeat = 1);
    ~CString();

    CString& operator=(const CString& str);
    CString& operator=(LPCSTR lpsz);
    CString& operator=(char ch);

    operator LPCSTR() const { return m_str.c_str(); }
    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty();
    char GetAt(int nIndex) const { return m_str[static_cast<size_t>(nIndex)]; }

    CString& operator+=(const CString& str);
    CString& operator+=(LPCSTR lpsz);
    CString& operator+=(char ch);

    int Compare(LPCSTR lpsz) const;    // byte-wise, like strcmp
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR lpszSub, int nStart = 0) const;
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    int Replace(LPCSTR lpszOld, LPCSTR lpszNew);

    // Room for nMinBufLength bytes plus the terminator; ReleaseBuffer(-1) takes the length up to the zero.
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

    // String nID from AfxGetResourceHandle(); FALSE and empty when it is missing.
    BOOL LoadString(UINT nID);

    // printf-style, through the game's formatter (so %f rounds the same way everywhere).
    void Format(LPCSTR lpszFormat, ...);
    void Format(UINT nFormatID, ...);
    void FormatV(LPCSTR lpszFormat, va_list args);

private:
    std::string m_str;
};

CString operator+(const CString& str1, const CString& str2);
CString operator+(const CString& str, LPCSTR lpsz);
CString operator+(LPCSTR lpsz, const CString& str);
CString operator+(const CString& str, char ch);

bool operator==(const CString& str1, const CString& str2);
bool operator==(const CString& str, LPCSTR lpsz);
bool operator==(LPCSTR lpsz, const CString& str);
bool operator!=(const CString& str1, const CString& str2);
bool operator!=(const CString& str, LPCSTR lpsz);
bool operator!=(LPCSTR lpsz, const CString& str);
