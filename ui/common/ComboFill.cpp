#include "ui/common/ComboFill.h"

void FillComboBox(const CComboBoxView& list, std::span<const char* const> items)
{
    list.ResetContent();
    for (const char* item : items)
        list.AddString(item);
}

void FillComboBox(const CComboBoxView& list, const std::vector<std::string>& items)
{
    list.ResetContent();
    for (const std::string& item : items)
        list.AddString(item.c_str());
}

std::string SelectedText(const CComboBoxView& list)
{
    const int selected = list.CurSel();
    return selected < 0 ? std::string() : list.ItemText(selected);
}
