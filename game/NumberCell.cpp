#include "game/NumberCell.h"

CNumberCell::CNumberCell(int nRow, int nCol, int nPosition, int nCellSize)
    : m_nCellSize(nCellSize), m_nNumber(0), m_nRow(nRow), m_nCol(nCol), m_nPosition(nPosition)
{
}

CNumberCell::~CNumberCell() = default;

void CNumberCell::SetCell(int nRow, int nCol)
{
    m_nRow = nRow;
    m_nCol = nCol;
}

void CNumberCell::SetPosition(int nPosition)
{
    m_nPosition = nPosition;
}

int CNumberCell::GetPosition() const
{
    return m_nPosition;
}

void CNumberCell::SetNumber(int nNumber)
{
    m_nNumber = nNumber;
}

int CNumberCell::GetNumber() const
{
    return m_nNumber;
}

CCellRect CNumberCell::GetCellRect() const
{
    return CCellRect{m_nCol * m_nCellSize, m_nRow * m_nCellSize, (m_nCol + 1) * m_nCellSize,
                     (m_nRow + 1) * m_nCellSize};
}

int CNumberCell::GetRow() const
{
    return m_nRow;
}

int CNumberCell::GetCol() const
{
    return m_nCol;
}

int CNumberCell::GetCellSize() const
{
    return m_nCellSize;
}
