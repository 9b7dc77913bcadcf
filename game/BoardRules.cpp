#include "game/BoardRules.h"

#include <ctime>

#include "game/GameClock.h"
#include "game/TextFormat.h"

CBoardRules::CBoardRules()
    : m_nGridSize(0), m_nCellSize(0), m_bButtonsCreated(0), m_nCleared(0), m_nStartTicks(0),
      m_fSeconds(0.0f), m_apButtons{}, m_szHintHere{}, m_szHintNext{}, m_szRemaining{}, m_szCleared{},
      m_bNavigation(0)
{
    SetCellSize(60);
    SetGridSize(5);
    m_bButtonsCreated = 0;
}

CBoardRules::~CBoardRules() = default;

void CBoardRules::SetCellSize(int nCellSize)
{
    m_nCellSize = nCellSize < 10 ? 10 : (nCellSize > 200 ? 200 : nCellSize);
}

int CBoardRules::GetCellSize() const
{
    return m_nCellSize;
}

void CBoardRules::SetGridSize(int nGridSize)
{
    m_nGridSize = nGridSize < 2 ? 2 : (nGridSize > MAX_GRID ? MAX_GRID : nGridSize);
}

int CBoardRules::GetGridSize() const
{
    return m_nGridSize;
}

void CBoardRules::StartGame()
{
    if (m_bButtonsCreated)
        return;
    m_nCleared = 0;
    for (int nRow = 0; nRow < m_nGridSize; ++nRow) {
        for (int nCol = 0; nCol < m_nGridSize; ++nCol) {
            const int nSlot = nRow * m_nGridSize + nCol;
            m_apButtons[nSlot] = NewButton(nRow, nCol, nSlot + 1, m_nCellSize);
        }
    }
    m_bButtonsCreated = 1;
    ShuffleNumbers();
    const int nCount = m_nGridSize * m_nGridSize;
    for (int nSlot = 0; nSlot < nCount; ++nSlot) {
        if (m_apButtons[nSlot])
            ShowButton(m_apButtons[nSlot], 1);
    }
    // The clock starts only now, after every button is visible.
    m_nStartTicks = ReadClock();
}

void CBoardRules::ShuffleNumbers()
{
    m_shuffle.Begin(m_nGridSize, ReadCalendarTime());
    const int nCount = m_nGridSize * m_nGridSize;
    for (int nSlot = 0; nSlot < nCount; ++nSlot) {
        // Every position draws, so the arrangement depends only on N and the second.
        const int nNumber = m_shuffle.Draw();
        if (m_apButtons[nSlot])
            CreateButtonWindow(m_apButtons[nSlot], nNumber);
    }
}

void CBoardRules::DestroyButtons()
{
    // All slots, skipping empty ones, so a second call (or a size changed mid-game) leaves nothing behind.
    for (int nSlot = 0; nSlot < MAX_BUTTONS; ++nSlot) {
        CNumberCell* pButton = m_apButtons[nSlot];
        if (!pButton)
            continue;
        m_apButtons[nSlot] = nullptr;
        ShowButton(pButton, 0);
        DestroyButton(pButton);
    }
    m_bButtonsCreated = 0;
}

void CBoardRules::OnNumberClicked(int nPosition)
{
    if (!m_bButtonsCreated || nPosition < 1 || nPosition > m_nGridSize * m_nGridSize)
        return;
    CNumberCell* pButton = m_apButtons[nPosition - 1];
    if (!pButton)
        return;
    if (pButton->GetNumber() != m_nCleared + 1) {
        Beep(BEEP_WRONG);
        return;
    }
    ShowButton(pButton, 0);
    ++m_nCleared;

    char szText[64];
    FormatText(szText, sizeof(szText), m_szRemaining, GetRemaining());
    SetStatusText(szText);
    if (GetRemaining() > 0)
        return;

    // Unsigned subtraction: the millisecond count may have wrapped since the start.
    const int nElapsed = static_cast<int>(static_cast<unsigned int>(ReadClock()) -
                                          static_cast<unsigned int>(m_nStartTicks));
    m_nStartTicks = nElapsed;
    // Single-precision 0.001 times the count, exact in double; the text shows the double.
    const double dSeconds = static_cast<double>(nElapsed) * static_cast<double>(0.001f);
    m_fSeconds = static_cast<float>(dSeconds);

    FormatText(szText, sizeof(szText), m_szCleared, dSeconds);
    SetStatusText(szText);
    Beep(BEEP_CLEARED);
    NotifyCleared();
}

int CBoardRules::GetRemaining() const
{
    return m_nGridSize * m_nGridSize - m_nCleared;
}

float CBoardRules::GetSeconds() const
{
    return m_fSeconds;
}

void CBoardRules::SetNavigation(int bOn)
{
    m_bNavigation = bOn;
}

int CBoardRules::GetNavigation() const
{
    return m_bNavigation;
}

int CBoardRules::GetCleared() const
{
    return m_nCleared;
}

CNumberCell* CBoardRules::GetButton(int nPosition) const
{
    if (nPosition < 1 || nPosition > MAX_BUTTONS)
        return nullptr;
    return m_apButtons[nPosition - 1];
}

int CBoardRules::ReadClock()
{
    return ClockMilliseconds();
}

std::uint32_t CBoardRules::ReadCalendarTime()
{
    return static_cast<std::uint32_t>(std::time(nullptr));
}
