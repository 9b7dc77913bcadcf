#include "ui/NumberButton.h"
#include "game/TextFormat.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CNumberButton, CButton)
END_MESSAGE_MAP()

CNumberButton::CNumberButton(int nRow, int nCol, int nPosition, int nCellSize)
    : CNumberCell(nRow, nCol, nPosition, nCellSize)
{
}

CNumberButton::~CNumberButton() = default;

BOOL CNumberButton::CreateNumbered(int nNumber, CWnd* pBoard)
{
    SetNumber(nNumber);
    CCellRect cell = GetCellRect();
    RECT rect = { cell.left, cell.top, cell.right, cell.bottom };
    char szCaption[16];
    FormatText(szCaption, sizeof szCaption, "%d", nNumber);
    // Style 0: hidden, no tab stop; no font is set, so the system's default font is used.
    return CButton::Create(szCaption, 0, rect, pBoard, IDC_NUMBER_BASE + m_nPosition);
}
