#include "framework/DC.h"

CDC::CDC() : m_hDC(nullptr) {}

CDC::~CDC() = default;

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}

BOOL CDC::FillSolidRect(const RECT& rect, COLORREF color)
{
    HBRUSH hBrush = ::CreateSolidBrush(color);
    BOOL bResult = ::FillRect(m_hDC, &rect, hBrush) != 0;
    ::DeleteObject(hBrush);
    return bResult;
}
