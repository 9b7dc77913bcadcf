#include "game/TextFormat.h"

#include <cstdio>

bool IsLeadByte932(unsigned char nByte)
{
    return (nByte >= 0x81 && nByte <= 0x9F) || (nByte >= 0xE0 && nByte <= 0xFC);
}

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
    // Placeholder until the own formatter lands.
    return std::vsnprintf(pszBuffer, nSize, pszFormat, args);
}
