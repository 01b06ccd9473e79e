#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/toolkit/MessagePresenter.h"
#include "res/DialogTemplate.h"

class QDialog;
class QWidget;
class CControl;
class CDataExchange;
class DialogWindow;

// System command of the window menu's Close item.
constexpr int SC_CLOSE = 0xF060;

// A dialog window built from a template of res/: the toolkit's stand-in for the platform's
// dialog class. The window exists from Create() (or DoModal()) until DestroyWindow(); the
// object outlives it, as the windows' members keep their values after it is gone.
class CDialog {
public:
    explicit CDialog(int templateId, CDialog* parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Builds the window, runs OnInitDialog, shows it modally until EndDialog, then runs
    // OnDestroy while the controls still exist and destroys the window. Returns the value
    // given to EndDialog.
    int DoModal();

    // Builds the window and runs OnInitDialog without showing it (the caller shows it or drives
    // it directly); false if it already exists.
    bool Create();
    void ShowWindow();
    // Hides the window, runs OnDestroy and destroys the controls. Nothing if there is none.
    void DestroyWindow();
    // Ends a modal run with `result`; in a window that is not modal it only hides it.
    void EndDialog(int result);
    int GetResult() const { return m_result; }

    // Exchanges the bound members with their controls: true copies the controls into the
    // members, false the members into the controls.
    bool UpdateData(bool saveAndValidate = true);

    bool IsWindow() const { return m_window != nullptr; }
    QWidget* GetDlgItem(int id) const;
    QDialog* GetWindow() const;
    const DialogTemplate& Template() const { return m_template; }
    // Remembers a control object bound to this window, to unbind it when the window goes.
    void TrackControl(CControl& control);

    // A message box owned by this window (an OK box without icon unless `type` asks otherwise).
    int MessageBox(const std::string& text, const std::string& caption, unsigned type = MB_OK);

    // Tooltip support, off until switched on; it lasts as long as the object. The controls carry
    // no tooltip texts of their own, so switching it on shows nothing by itself.
    void EnableToolTips(bool enable = true) { m_toolTipsEnabled = enable; }
    bool ToolTipsEnabled() const { return m_toolTipsEnabled; }

    // The window's own menu, opened by a right click on the window or Alt+Space / Shift+F10;
    // its items send their ids to OnSysCommand. It starts with one item, Close.
    void AppendSystemMenuSeparator();
    void AppendSystemMenuItem(int id, const std::string& text);
    struct MenuItem {
        int id; // 0 for a separator
        std::string text;
    };
    const std::vector<MenuItem>& SystemMenu() const { return m_systemMenu; }
    // Opens the window menu and waits for a choice; the chosen id or 0.
    int TrackSystemMenu();

    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnDestroy();
    virtual void OnSysCommand(int id);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // Message map: what a click on the button `id` runs. IDOK and IDCANCEL run OnOK and
    // OnCancel unless mapped otherwise.
    void MapClick(int id, std::function<void()> handler);

    CDialog* Parent() const { return m_parent; }

private:
    friend class DialogWindow;

    void BuildWindow();
    void OnButtonClicked(int id);

    const DialogTemplate& m_template;
    CDialog* m_parent;
    std::unique_ptr<DialogWindow> m_window;
    std::map<int, QWidget*> m_controls;
    std::map<int, std::function<void()>> m_clickMap;
    std::vector<MenuItem> m_systemMenu;
    std::vector<CControl*> m_boundControls;
    int m_result = 0;
    bool m_inModalRun = false;
    bool m_toolTipsEnabled = false;
};
