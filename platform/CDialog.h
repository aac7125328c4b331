// CDialog: a dialog window built from a dialog template, run modally.
#pragma once

#include <memory>
#include <vector>

#include "CWnd.h"

class EditField;
struct DialogWindow;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParent = nullptr);
    ~CDialog() override;

    // Creates the window, runs it until EndDialog and destroys it; returns the
    // EndDialog result, or -1 when the window could not be created.
    virtual int DoModal();
    // Creates the window and initialises it, without running it (DoModal's
    // first half; also how tests drive a dialog step by step).
    BOOL Create();
    // Destroys the window: OnDestroy runs while the controls still exist.
    void DestroyWindow();
    void EndDialog(int nResult);
    bool IsEnded() const { return m_bEnded; }
    int GetResult() const { return m_nResult; }

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    QWidget* FindControl(int nID) const override;
    EditField* FindEditField(int nID) const;
    // A control object attached to one of this dialog's controls.
    void AddChild(CWnd* pChild);

    static const AFX_MSGMAP* GetThisMessageMap();
    const AFX_MSGMAP* GetMessageMap() const override;

protected:
    void OnDefaultCommand(UINT nID) override;

private:
    UINT m_nIDTemplate;
    std::unique_ptr<DialogWindow> m_pWindow;
    std::vector<CWnd*> m_children;
    int m_nResult = -1;
    bool m_bEnded = false;
};

// The top-level dialog most recently created that still has a window.
CDialog* AfxGetActiveDialog();
