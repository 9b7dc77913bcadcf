#pragma once

#include <cstdarg>
#include <cstddef>

// printf-style formatting into a bounded code-page-932 buffer: %d %i %u %f %s %c %%, flags '-' '0' '+' ' ',
// width and precision (also '*'). %f rounds the 17-significant-digit form of the value, halves upward.
// Never writes more than nSize bytes, always terminates when nSize > 0, never ends on a lone lead byte,
// and returns the length the whole text would have had.
int FormatText(char* pszBuffer, std::size_t nSize, const char* pszFormat, ...);
int FormatTextV(char* pszBuffer, std::size_t nSize, const char* pszFormat, std::va_list args);

// Copies a text into a fixed buffer, cut short if need be without splitting a two-byte character.
int CopyText(char* pszBuffer, std::size_t nSize, const char* pszText);

// A lead byte of a two-byte character in code page 932.
bool IsLeadByte932(unsigned char nByte);
