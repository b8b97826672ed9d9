// A dialog from a resource template, modal or modeless. The object outlives its window and
// can be run again. Controls are bound in DoDataExchange, before OnInitDialog.
#ifndef SKYLOOK_FRAMEWORK_DIALOG_H
#define SKYLOOK_FRAMEWORK_DIALOG_H

#include "Window.h"

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

protected:
    virtual void DoDataExchange() {}
    bool BindControl(CControl& control, int id);

    // True lets the system give the focus to the first control.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    bool OnCommand(WORD id, WORD code, HWND control) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    bool m_modal = false;
    // Set by DefaultProc while a message is being dispatched: the dialog manager's own
    // handling is wanted, which a dialog procedure asks for by returning FALSE.
    bool* m_unhandled = nullptr;
};

#endif
