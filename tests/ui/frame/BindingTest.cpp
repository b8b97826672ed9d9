// Every control that a dialog class binds must exist in its template: a binding that fails
// leaves a control object without a window, and the page then works on nothing.
#include "DialogScene.h"

#include "ui/frame/ConfigDialogOpener.h"

#include <string>
#include <vector>

namespace {

// The configuration dialog and every page window it created.
std::vector<CDialog*> DialogAndPages()
{
    std::vector<CDialog*> dialogs{&ConfigDialog()};
    HWND tab = ::GetDlgItem(DialogWindow(), 1000);
    for (HWND child = ::GetWindow(tab, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (auto* page = dynamic_cast<CDialog*>(CWindow::FromHandle(child)))
            dialogs.push_back(page);
    return dialogs;
}

std::string Unbound(const CDialog& dialog)
{
    std::string ids;
    for (int id : dialog.UnboundControls()) {
        ids += ' ';
        ids += std::to_string(id);
    }
    return ids;
}

using DialogBinding = DialogScene;

TEST_F(DialogBinding, TheConfigurationDialogAndItsPagesBindEveryControlTheyName)
{
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown).Do("check every binding", [] {
        MakeEveryPage();
        std::vector<CDialog*> dialogs = DialogAndPages();
        EXPECT_EQ(static_cast<size_t>(PageCount + 2), dialogs.size()) << "the dialog, its pages and the hidden one";
        for (CDialog* dialog : dialogs)
            EXPECT_TRUE(dialog->UnboundControls().empty())
                << "template " << dialog->TemplateId() << " lacks controls:" << Unbound(*dialog);
        ConfigDialog().CloseConfigDialog();
    });
    RunConfigDialog(script);
    EXPECT_TRUE(script.Finished()) << script.Position();
}

}  // namespace
