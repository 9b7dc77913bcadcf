// A device context handle; the base of CPaintDC.
#pragma once
#include <windows.h>

class CDC {
public:
    CDC();
    virtual ~CDC();

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    COLORREF GetPixel(int x, int y) const;
    BOOL FillSolidRect(const RECT& rect, COLORREF color);

    HDC m_hDC;

private:
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
};
