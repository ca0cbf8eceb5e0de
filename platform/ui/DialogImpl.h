#pragma once
// The platform's side of a dialog (private): its Qt dialog, its controls in template order, its
// child dialogs (pages), the radio groups of its template and the state of a run.
#include "platform/ui/Dialog.h"
#include "platform/ui/WindowImpl.h"

#include <QDialog>

#include <vector>

class QBoxLayout;

namespace vd {

class DialogImpl;

// The Qt dialog behind a vd::Dialog: routes Escape, Enter, the close box and showing to the
// dialog's hooks.
class QtDialog : public QDialog {
public:
    QtDialog(DialogImpl& impl, QWidget* parent, bool child);
    void reject() override;
    void accept() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    DialogImpl& impl_;
    bool child_;
};

class DialogImpl : public WindowImpl {
public:
    DialogImpl(Dialog& dialog, const ui::DialogTemplate& tmpl);
    ~DialogImpl() override;

    Dialog& object;
    const ui::DialogTemplate& tmpl;
    std::vector<std::shared_ptr<WindowImpl>> controls;  // template order
    std::vector<DialogImpl*> children;                  // pages created inside this dialog
    DialogImpl* parentDialog = nullptr;
    bool modal = false;
    bool running = false;
    // Set while the window is being destroyed: controls no longer notify.
    bool closing = false;
    int result = 0;
    int focusedId = 0;
    QSize baseUnits{6, 13};

    QtDialog* qdialog() const;
    WindowImpl* control(int id) const;
    // The control with the id here or in a page (visible pages first).
    WindowImpl* find(int id) const;
    // The radio buttons of the group run that holds the control, in template order.
    std::vector<WindowImpl*> groupOf(const WindowImpl& control) const;
    void notify(int id, int code, int item = -1, int subItem = -1);
    void scrolled(WindowImpl& bar, int code, int pos);
    std::intptr_t notifyWithResult(Notify& n);
    void end(int id);
    void destroy();
};

// Builds the dialog's window and controls from its template (DialogBuilder.cpp).
void buildDialogWindow(DialogImpl& impl, QWidget* parent);
// Creates one control of a template inside a container widget (Controls.cpp).
std::shared_ptr<WindowImpl> createControl(DialogImpl* dialog, const ui::ControlTemplate& t, int order, QWidget* parent);
// The size for an automatically laid-out top-level dialog that wants `wanted`: that size where
// it fits the screen (less room for the window's frame), else smaller down to its controls'
// least sizes, else with the body scrolled above the buttons, which stay in reach
// (DialogScreenFit.cpp).
QSize fitToScreen(QDialog& dialog, QBoxLayout& outer, QWidget& body, QSize wanted, const QWidget* parent);
// Dialog units of a font: the average character width and the character height.
QSize dialogBaseUnits(const QFont& font);
QRect toPixels(const ui::DialogUnits& du, QSize baseUnits);

} // namespace vd
