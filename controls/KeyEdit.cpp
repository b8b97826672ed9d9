#include "controls/KeyEdit.h"

#include "controls/KeyFilter.h"
#include "state/AsciiKeyEntry.h"

bool CKeyEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_CHAR)
        return false;
    if (!KeyCharacterAccepted(static_cast<unsigned int>(wParam), m_hexadecimalOnly, AsciiKeyEntry != 0)) {
        result = 0;
        return true;
    }
    if (Send(EM_GETPASSWORDCHAR) != 0) {
        SetText("");
        Send(EM_SETPASSWORDCHAR, 0);
        Invalidate(true);
    }
    result = DefaultProc(message, wParam, lParam);
    return true;
}
