#include "controls/SkinButtonStyle.h"

SkinButtonStyle DeriveSkinButtonStyle(DWORD style)
{
    SkinButtonStyle result;
    result.pushLike = (style & BS_PUSHLIKE) != 0;
    result.flat = (style & BS_FLAT) != 0;
    switch (style & (BS_LEFT | BS_RIGHT)) {
    case BS_LEFT:
        result.captionFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
        break;
    case BS_RIGHT:
        result.captionFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
        break;
    default:
        result.captionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        break;
    }
    // The whole type field decides: an owner-drawn or group-box template is no check box.
    DWORD type = style & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX) {
        result.kind = SkinButtonKind::CheckBox;
    } else if (type == BS_AUTORADIOBUTTON) {
        result.kind = SkinButtonKind::Radio;
    } else {
        result.kind = SkinButtonKind::Push;
        result.pushLike = true;
        result.isDefault = type == BS_DEFPUSHBUTTON;
    }
    if (!result.pushLike)
        result.border = false;
    return result;
}

DWORD OwnerDrawnButtonStyle(DWORD style)
{
    return (style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}
