// Fills a drop-down list with the items of a settings list, in their order.
#ifndef SKYLOOK_UI_COMBO_FILL_H
#define SKYLOOK_UI_COMBO_FILL_H

#include "framework/StandardControls.h"

#include <span>
#include <string>
#include <vector>

void FillComboBox(const CComboBoxView& list, std::span<const char* const> items);
void FillComboBox(const CComboBoxView& list, const std::vector<std::string>& items);

// The selected item's text; empty without a selection.
std::string SelectedText(const CComboBoxView& list);

#endif
