// The WEP key edit: with hexadecimal only on, it drops every character but hex digits and
// backspace while the open key editor takes hexadecimal keys (AsciiKeyEntry 0). A stored key
// shown masked is cleared by the first accepted keystroke, which starts a new key in plain
// view.
#ifndef SKYLOOK_CONTROLS_KEY_EDIT_H
#define SKYLOOK_CONTROLS_KEY_EDIT_H

#include "framework/Control.h"

class CKeyEdit : public CControl {
public:
    void SetHexadecimalOnly(bool on) { m_hexadecimalOnly = on; }
    bool IsHexadecimalOnly() const { return m_hexadecimalOnly; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool m_hexadecimalOnly = false;
};

#endif
