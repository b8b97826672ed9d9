#ifndef SKYLOOK_UI_ABOUT_PAGE_H
#define SKYLOOK_UI_ABOUT_PAGE_H

#include "ui/common/WhiteBackground.h"
#include "ui/frame/PageBase.h"

#include "controls/GroupFrame.h"
#include "controls/PictureBox.h"
#include "framework/Gdi.h"

// The utility, driver and firmware versions, read once when the page is created.
class CAboutPage : public CWhiteBackground<CPageBase> {
public:
    CAboutPage();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnDestroy() override;
    void OnDpiChanged() override { ScalePicture(); }

private:
    void ScalePicture();
    void FillVersionTexts();

    CPictureBox m_picture;
    CGroupFrame m_versionFrame;
};

#endif
