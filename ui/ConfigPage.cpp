#include "ConfigPage.h"

void CConfigPageBase::EnableItem(int id, bool enable) const
{
    if (!IsWindow())
        return;
    if (HWND item = Item(id))
        ::EnableWindow(item, enable ? TRUE : FALSE);
}
