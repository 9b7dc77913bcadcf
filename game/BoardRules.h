#pragma once

#include <cstdint>

#include "game/NumberCell.h"
#include "game/NumberShuffle.h"

// One game on the board: grid, buttons, click order, count and time. The window side derives from this
// and realises the window operations.
class CBoardRules {
public:
    enum { MAX_GRID = 5, MAX_BUTTONS = MAX_GRID * MAX_GRID };
    enum : unsigned int { BEEP_WRONG = 0x30, BEEP_CLEARED = 0x40 };   // MB_ICONEXCLAMATION, MB_ICONASTERISK

    CBoardRules();
    // Leaves the buttons alone: the window side's destructor destroys them while its overrides still exist.
    virtual ~CBoardRules();

    void SetCellSize(int nCellSize);
    int GetCellSize() const;
    void SetGridSize(int nGridSize);
    int GetGridSize() const;

    void StartGame();
    void ShuffleNumbers();
    void DestroyButtons();
    void OnNumberClicked(int nPosition);

    int GetRemaining() const;
    float GetSeconds() const;
    void SetNavigation(int bOn);
    int GetNavigation() const;
    int GetCleared() const;
    CNumberCell* GetButton(int nPosition) const;   // nullptr when none

protected:
    // Window operations, realised by the board window (and by fakes in tests).
    virtual CNumberCell* NewButton(int nRow, int nCol, int nPosition, int nCellSize) = 0;  // object only
    virtual void CreateButtonWindow(CNumberCell* pButton, int nNumber) = 0;  // SetNumber + hidden window
    virtual void ShowButton(CNumberCell* pButton, int bShow) = 0;
    virtual void DestroyButton(CNumberCell* pButton) = 0;   // destroy window, delete object
    virtual void SetStatusText(const char* pszText) = 0;
    virtual void Beep(unsigned int nType) = 0;              // BEEP_WRONG or BEEP_CLEARED
    virtual void NotifyCleared() = 0;                       // post WM_GAMECLEARED to the frame
    virtual int ReadClock();                                // default ClockMilliseconds()
    virtual std::uint32_t ReadCalendarTime();               // default time(nullptr) truncated to 32 bits

    int m_nGridSize;
    int m_nCellSize;
    int m_bButtonsCreated;
    int m_nCleared;
    int m_nStartTicks;
    float m_fSeconds;
    CNumberCell* m_apButtons[MAX_BUTTONS];
    char m_szHintHere[80];
    char m_szHintNext[80];
    char m_szRemaining[64];
    char m_szCleared[64];
    int m_bNavigation;

private:
    CNumberShuffle m_shuffle;
};
