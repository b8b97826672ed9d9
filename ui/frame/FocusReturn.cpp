#include "ui/frame/FocusReturn.h"

void CFocusReturn::Remember(const FocusMove& move)
{
    if (move.Left && move.To)
        m_move = move;
}

void CFocusReturn::ComeBack(HWND dialog)
{
    if (!m_move.Left)
        return;
    if (!::IsWindow(m_move.Left) || ::GetFocus() != m_move.To) {
        Forget();
        return;
    }
    if (!::IsWindowEnabled(m_move.Left) || !::IsWindowVisible(m_move.Left))
        return;
    ::SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_move.Left), TRUE);
    Forget();
}
