#pragma once
#include <windows.h>

// Tooltips for child windows: the message loop hands every message to this filter before dispatching it.
void AfxRelayToolTipMessage(const MSG* pMsg);
