// The one application object; the framework's WinMain runs it.
#include "ui/GameApp.h"

CGameApp theApp;
