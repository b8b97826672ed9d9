// The About page in the running dialog.
#include "DialogScene.h"

#include "adapter/AdapterHandle.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "ui/about/VersionTexts.h"

#include <Vexa5200Control.h>

#include <string>

namespace {

std::string AboutText(int id)
{
    char text[128] = {};
    ::GetWindowTextA(::GetDlgItem(PageWindow(4), id), text, sizeof text);
    return text;
}

void ExpectVersions(const char* firmware, const char* driver)
{
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("look at the About page",
            [firmware, driver] {
                ClickLabel(1043);
                EXPECT_EQ(firmware, AboutText(1023));
                EXPECT_EQ(driver, AboutText(1022));
                EXPECT_EQ(UtilityVersionText, AboutText(1024));
                EXPECT_EQ("Firmware Version", AboutText(1067));
                EXPECT_EQ("Utility Version", AboutText(1068));
                HWND banner = ::GetDlgItem(PageWindow(4), 1046);
                EXPECT_FALSE(::IsWindowVisible(banner));
                EXPECT_NE("", AboutText(1046));
                HWND picture = ::GetDlgItem(PageWindow(4), 1040);
                EXPECT_NE(0, ::SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)) << "bitmap 149 shows";
            });
    RunAndClose(script);
}

using AboutPage = DialogScene;

TEST_F(AboutPage, ShowsTheUtilityDriverAndFirmwareVersions)
{
    ASSERT_EQ(0, Vexa5200OpenAdapter(&AdapterHandle));
    // The software adapter reports firmware 0x02010703 and driver "3.2.0.1".
    ExpectVersions("2.1.7.3", "   3.2.0.1    ");
}

TEST_F(AboutPage, WithoutTheCardOnlyTheUtilityVersionShows)
{
    ASSERT_EQ(0, Vexa5200OpenAdapter(&AdapterHandle));
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    ExpectVersions("", "");
}

}  // namespace
