// Everything the framework offers, in one include.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/AppState.h"
#include "framework/Button.h"
#include "framework/CmdTarget.h"
#include "framework/CmdUI.h"
#include "framework/DC.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Exception.h"
#include "framework/FrameWnd.h"
#include "framework/MemoryException.h"
#include "framework/Menu.h"
#include "framework/MessageBox.h"
#include "framework/MsgMap.h"
#include "framework/Object.h"
#include "framework/PaintDC.h"
#include "framework/StatusBar.h"
#include "framework/String.h"
#include "framework/Wnd.h"
#include "framework/WndClass.h"
