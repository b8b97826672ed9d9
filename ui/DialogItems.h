// Reading and setting the standard controls of a dialog by id: text, check state, list
// contents and selection. A missing item reads as empty, unchecked and unselected.
#ifndef SKYLOOK_UI_DIALOG_ITEMS_H
#define SKYLOOK_UI_DIALOG_ITEMS_H

#include <windows.h>

#include <span>
#include <string>
#include <vector>

std::string ItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);
// Limits what the user can type into an edit.
void LimitItemText(HWND dialog, int id, int characters);
// The character an edit shows in place of each character of its text; 0 shows the text.
void SetPasswordChar(HWND dialog, int id, char mask);

bool IsItemChecked(HWND dialog, int id);
void CheckItem(HWND dialog, int id, bool checked);

void ShowItem(HWND dialog, int id, bool show);
void ShowItems(HWND dialog, std::span<const int> ids, bool show);
void EnableDialogItems(HWND dialog, std::span<const int> ids, bool enable);

// Drop-down lists: replaces the items, keeping their order.
void FillComboList(HWND dialog, int id, std::span<const char* const> items);
void FillComboList(HWND dialog, int id, const std::vector<std::string>& items);
// Selects index; an index that is no item leaves the list without a selection.
void SelectComboItem(HWND dialog, int id, int index);
// -1 for none.
int ComboSelection(HWND dialog, int id);
// The selected item's text; empty without a selection.
std::string ComboSelectionText(HWND dialog, int id);

#endif
