#include "ui/survey/ImageStrip.h"

#include "framework/CommonControls.h"
#include "framework/SystemLibrary.h"

namespace {

// The image-list calls, bound when first needed like the rest of the common controls.
struct ImageListCalls {
    decltype(&::ImageList_Create) create = nullptr;
    decltype(&::ImageList_AddMasked) addMasked = nullptr;
    decltype(&::ImageList_Destroy) destroy = nullptr;
    decltype(&::ImageList_GetImageCount) count = nullptr;
    bool found = false;
};

const ImageListCalls& Calls()
{
    static const ImageListCalls calls = [] {
        ImageListCalls found;
        if (!EnsureCommonControls())
            return found;
        CSystemLibrary library("comctl32.dll");
        found.found = library.Find(found.create, "ImageList_Create") &&
                      library.Find(found.addMasked, "ImageList_AddMasked") &&
                      library.Find(found.destroy, "ImageList_Destroy") &&
                      library.Find(found.count, "ImageList_GetImageCount");
        return found;
    }();
    return calls;
}

}  // namespace

bool CImageStrip::Load(UINT bitmapId, int size, COLORREF mask)
{
    Reset();
    const ImageListCalls& calls = Calls();
    if (!calls.found)
        return false;
    HBITMAP strip = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId));
    if (!strip)
        return false;
    m_list = calls.create(size, size, ILC_COLOR24 | ILC_MASK, 10, 1);
    if (m_list && calls.addMasked(m_list, strip, mask) < 0)
        Reset();
    ::DeleteObject(strip);
    return m_list != nullptr;
}

void CImageStrip::Reset()
{
    if (m_list && Calls().found)
        Calls().destroy(m_list);
    m_list = nullptr;
}

int CImageStrip::Count() const
{
    return m_list ? Calls().count(m_list) : 0;
}
