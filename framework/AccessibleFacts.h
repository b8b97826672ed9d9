// What a window that draws itself tells assistive technology about its client area: the
// role and texts its standard counterpart would have. The window's enabled, visible and
// focused states are added from the window itself.
#ifndef SKYLOOK_FRAMEWORK_ACCESSIBLE_FACTS_H
#define SKYLOOK_FRAMEWORK_ACCESSIBLE_FACTS_H

#include <string>

struct AccessibleFacts {
    long Role = 0;  // ROLE_SYSTEM_*
    std::string Name;
    std::string Value;  // empty: the control has no value
    long State = 0;     // STATE_SYSTEM_* that the window's own state does not show
    std::string DefaultAction;
    std::string Shortcut;  // "Alt+A"
};

#endif
