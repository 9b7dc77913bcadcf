// Driving the hints as a player would: the real application and frame in this process, messages taken
// through the application's own filter (as its message loop does), the pointer moved by real input,
// and what the board was asked and answered recorded on the way.
#pragma once
#include <windows.h>
#include <string>

class CBoardWnd;

namespace hinttest {

// The cp932 texts of the hints.
extern const char kHintHere[];    // 次はここです!!
std::string HintNext(int nNext);  // 次は n です･･･ with three half-width dots

// Runs start-up (the start notice is closed by the caller's dialog closer); the frame, active.
HWND StartApp();
void EndApp();

HWND GetFrame();
HWND GetBoardWindow();
CBoardWnd* GetBoard();
HWND GetStatusBar();
HWND GetToolTip();    // nullptr before the first tool
bool IsTipVisible();
std::string GetTipText();    // what the tip on screen shows, cp932

// Dispatches what is queued, offering each message to the application first.
void Pump();
bool PumpUntil(bool (*pfnDone)(), DWORD nTimeoutMs);
void PumpFor(DWORD nMs);

void Command(UINT nID);                 // WM_COMMAND from the menu to the frame
bool IsNavigationChecked();
HWND FindButton(int nNumber);           // the visible button labelled nNumber
int CountVisibleButtons();
void ClickInOrder(int nFirst, int nLast);    // BM_CLICK on the labelled buttons
// Clears the whole board and lets the result and start notices pass: the next game is on.
void ClearBoardAndWaitNextGame();

// Real pointer input.
void MovePointer(POINT ptScreen);
void ClickPointer();                    // left press and release where the pointer is
POINT CentreOf(HWND hWnd);
POINT OutsideBoard();                   // a point on the status bar

// Brings the pointer onto hWnd from the status bar and rests it there. Returns the tip's text once
// it shows, or "" when no tip came within several of the control's delays.
std::string HoverFromOutside(HWND hWnd);
// Moves the pointer onto hWnd straight from wherever it is, then rests as above.
std::string HoverFromHere(HWND hWnd);
// Keeps the pointer resting on the current spot (a pixel of jitter) and reports whether a tip showed.
bool RestAndSeeTip();

// Text requests that reached the board, and the last answer it gave.
int GetRequestCount();
std::string GetLastAnswer();
void ResetRequests();

} // namespace hinttest
