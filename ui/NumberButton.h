// One number button of the board: a system push button that knows its cell and number.
#pragma once
#include "framework/Button.h"
#include "game/NumberCell.h"

class CNumberButton : public CButton, public CNumberCell {
public:
    CNumberButton(int nRow, int nCol, int nPosition, int nCellSize);
    ~CNumberButton() override;

    // Stores the number and creates the hidden button window in its cell, id IDC_NUMBER_BASE + position.
    BOOL CreateNumbered(int nNumber, CWnd* pBoard);

protected:
    DECLARE_MESSAGE_MAP()
};
