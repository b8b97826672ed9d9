// What a skinned button takes from its template style when it is bound.
#ifndef SKYLOOK_CONTROLS_SKIN_BUTTON_STYLE_H
#define SKYLOOK_CONTROLS_SKIN_BUTTON_STYLE_H

#include <windows.h>

enum class SkinButtonKind { Push = 0, CheckBox = 2, Radio = 4 };

struct SkinButtonStyle {
    SkinButtonKind kind = SkinButtonKind::Push;
    bool pushLike = false;  // the caption moves by a pixel while pressed
    bool flat = false;      // thin edges, in the normal state only while hovered
    bool border = true;
    bool isDefault = false; // the template made it the dialog's default push button
    UINT captionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
};

SkinButtonStyle DeriveSkinButtonStyle(DWORD style);

// The style the window gets: the same with its type turned into an owner-drawn button.
DWORD OwnerDrawnButtonStyle(DWORD style);

#endif
