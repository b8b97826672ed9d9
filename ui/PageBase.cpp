#include "PageBase.h"

void CPageBase::EnableItems(std::span<const int> ids, bool enable) const
{
    for (int id : ids)
        EnableItem(id, enable);
}
