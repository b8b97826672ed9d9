// What a reader hears of a control's text: captions lose their access-key ampersands, and a
// control without a caption of its own is named by the text label placed just before it,
// as Windows' standard proxies name edits, lists and combo boxes.
#ifndef SKYLOOK_FRAMEWORK_ACCESSIBLE_TEXT_H
#define SKYLOOK_FRAMEWORK_ACCESSIBLE_TEXT_H

#include <windows.h>

#include <string>

// The caption as shown: "&Apply" reads "Apply", "R&&D" reads "R&D".
std::string WithoutAccessKey(const std::string& caption);
// The access key's keystroke, "Alt+A" for "&Apply"; empty for a caption without one.
std::string AccessKeyShortcut(const std::string& caption);

// The text of the label just before control in the tab order (its previous sibling, when
// that is a text static or a group box), without its ampersands; empty when there is none.
std::string LabelBefore(HWND control);

#endif
