#pragma once

struct CCellRect {
    int left, top, right, bottom;
};

// The game side of one number button: where it sits and which number it shows.
class CNumberCell {
public:
    CNumberCell(int nRow, int nCol, int nPosition, int nCellSize);
    virtual ~CNumberCell();

    void SetCell(int nRow, int nCol);
    void SetPosition(int nPosition);
    int GetPosition() const;
    void SetNumber(int nNumber);
    int GetNumber() const;
    CCellRect GetCellRect() const;
    int GetRow() const;
    int GetCol() const;
    int GetCellSize() const;

protected:
    int m_nCellSize, m_nNumber, m_nRow, m_nCol, m_nPosition;
};
