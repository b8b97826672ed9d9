#include "PageBase.h"

void CPageBase::EnableItem(int id, bool enable) const
{
    if (!IsWindow())
        return;
    if (HWND item = Item(id))
        ::EnableWindow(item, enable ? TRUE : FALSE);
}

void CPageBase::EnableItems(std::span<const int> ids, bool enable) const
{
    for (int id : ids)
        EnableItem(id, enable);
}
