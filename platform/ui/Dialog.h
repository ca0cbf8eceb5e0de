#pragma once
// A dialog built from a template of the current module, written as the old class library's
// dialogs read: a template id, OnInitDialog / OnOK / OnCancel, handlers by control id and
// notification, data exchange, EndDialog(id), DoModal returning the id; modeless with Create.
#include "platform/ui/Controls.h"
#include "platform/ui/DialogTemplate.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class QWidget;

namespace vd {

class DataExchange;
class Dialog;
// Internal: creates a dialog modeless inside a host widget of the platform (the file dialog's
// child panel).
bool createDialogInside(Dialog& dialog, QWidget* host);

// A notification from a control: the list-view item and column of a click, the column of a
// column click; result is what the handler answers (TCN_SELCHANGING: true forbids the change).
struct Notify {
    int id = 0;
    int code = 0;
    int item = -1;
    int subItem = -1;
    std::intptr_t result = 0;
};

class Dialog : public Window {
public:
    explicit Dialog(int templateId, Window* parent = nullptr);
    // For a dialog created later with Create(templateId, parent).
    Dialog();
    ~Dialog() override;

    // Runs the dialog modally and returns the id it ended with (-1 when it could not be built).
    int DoModal();
    // Creates the dialog modeless (a page: as a child of the parent, placed by its template).
    bool Create(int templateId, Window* parent = nullptr);
    bool Create(Window* parent = nullptr);
    void DestroyWindow() override;
    void EndDialog(int result);
    // Data exchange between the controls and the members: true when every field validated.
    bool UpdateData(bool saveAndValidate = true);

    int templateId() const { return templateId_; }
    const std::string& module() const { return module_; }
    const ui::DialogTemplate* dialogTemplate() const;
    // The id the dialog ended with; 0 while it runs.
    int result() const;

    // Attaches an object of a control class (an owner-drawn combo) to the control with the id.
    bool SubclassDlgItem(int id, Window& control);
    // The typed handle of a control (null when the id is unknown or of another kind).
    template <class T> T* item(int id) const { return dynamic_cast<T*>(GetDlgItem(id)); }
    // The control that has the focus in this dialog (0 when none).
    int focusedControl() const;

    // Hooks of the old class library. OnCreate runs when the window exists, before
    // OnInitDialog (-1 refuses the creation).
    virtual int OnCreate();
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(DataExchange& dx);
    virtual void OnShowWindow(bool show);
    // The close box: by default the same as Cancel.
    virtual void OnClose();
    // Painting, after the controls are shown (draw into controls with GetDC).
    virtual void OnPaint();
    virtual void OnVScroll(int code, int pos, ScrollBar* bar);
    virtual void OnHScroll(int code, int pos, ScrollBar* bar);

    // The message map: a handler for a notification code of a control, or of a range of
    // controls (the handler receives the id). BN_CLICKED of IDOK and IDCANCEL without a handler
    // of their own run OnOK and OnCancel.
    void OnControl(int code, int id, std::function<void()> handler);
    void OnControlRange(int code, int firstId, int lastId, std::function<void(int id)> handler);
    void OnNotify(int code, int id, std::function<void(Notify&)> handler);
    void OnClicked(int id, std::function<void()> handler) { OnControl(BN_CLICKED, id, std::move(handler)); }

    // Internal: delivers a notification to the handlers (the controls call it).
    std::intptr_t dispatch(Notify& notify);

protected:
    void setTemplateId(int id) { templateId_ = id; }

private:
    bool build(Window* parent, bool modal);
    friend class DialogImpl;
    friend bool createDialogInside(Dialog& dialog, QWidget* host);
    int templateId_ = 0;
    std::string module_;
    Window* parent_ = nullptr;
    struct Handler {
        int code;
        int first;
        int last;
        std::function<void(Notify&)> run;
    };
    std::vector<Handler> handlers_;
};

} // namespace vd
