#ifndef SKYLOOK_UI_ABOUT_PAGE_H
#define SKYLOOK_UI_ABOUT_PAGE_H

#include "PageBase.h"

#include "controls/GroupFrame.h"
#include "controls/PictureBox.h"
#include "framework/Gdi.h"

// The utility, driver and firmware versions, read once when the page is created.
class CAboutPage : public CPageBase {
public:
    CAboutPage();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;
    void OnDestroy() override;

private:
    void FillVersionTexts();

    COLORREF m_background = RGB(255, 255, 255);
    CBrush m_backgroundBrush;
    CPictureBox m_picture;
    CGroupFrame m_versionFrame;
};

#endif
