#include "framework/ToolTip.h"

void AfxRelayToolTipMessage(const MSG*)
{
}
