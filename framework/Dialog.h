// A dialog from a resource template, modal or modeless. The object outlives its window and
// can be run again. Controls are bound in DoDataExchange, before OnInitDialog; an id that
// the template lacks is reported and kept in UnboundControls.
#ifndef SKYLOOK_FRAMEWORK_DIALOG_H
#define SKYLOOK_FRAMEWORK_DIALOG_H

#include "Window.h"

#include <vector>

class CControl;

class CDialog : public CWindow {
public:
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}

    UINT TemplateId() const { return m_templateId; }

    // Runs the dialog modally; returns the EndDialog result, or -1 when it could not start.
    INT_PTR DoModal(HWND owner);
    // Creates the dialog modeless, as a child when the template says so.
    bool Create(HWND parent);
    bool IsModal() const { return m_modal; }

    // Ends a modal run with result, or destroys a modeless dialog.
    void EndDialog(INT_PTR result);

    // The ids that BindControl could not bind in the current or last opening, in order.
    const std::vector<int>& UnboundControls() const { return m_unboundControls; }

protected:
    virtual void DoDataExchange() {}
    // False, recorded and reported in debug builds, when the template has no such control or
    // the control is already bound.
    bool BindControl(CControl& control, int id);

    // True lets the system give the focus to the first control.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // A button other than OK and Cancel was clicked; true when handled.
    virtual bool OnButtonClicked(WORD) { return false; }

    bool OnCommand(WORD id, WORD code, HWND control) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    bool m_modal = false;
    std::vector<int> m_unboundControls;
    // Set by DefaultProc while a message is being dispatched: the dialog manager's own
    // handling is wanted, which a dialog procedure asks for by returning FALSE.
    bool* m_unhandled = nullptr;
};

#endif
