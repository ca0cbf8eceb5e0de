#pragma once
// Drives a built dialog as a user would, by control id: typing into edits, clicking buttons,
// check and radio boxes, picking combo and list items, changing tabs, clicking list-view cells
// and columns, scrolling, pressing Escape or the close box. Each action moves the focus first,
// so an edit reports losing the focus before the command of the button that took it. Controls
// of the dialog's pages are found too.
#include <string>
#include <vector>

namespace vd {

class Dialog;
class Window;

class DialogDriver {
public:
    explicit DialogDriver(Dialog& dialog);

    Dialog& dialog() const { return dialog_; }
    int templateId() const;
    // A driver of one page of this dialog (a child dialog created from the template with that id),
    // for the controls whose ids the dialog and its pages share. Fails the test when it is missing.
    DialogDriver page(int pageTemplateId) const;

    // Actions.
    void focus(int id);
    void setText(int id, const std::string& text);
    void click(int id);
    void doubleClick(int id);
    void check(int id, bool checked = true);
    void selectCombo(int id, int index);
    void selectComboText(int id, const std::string& text);
    void setComboEditText(int id, const std::string& text);
    void doubleClickCombo(int id, int index);
    void selectList(int id, int index);
    void doubleClickList(int id, int index);
    void selectTab(int id, int index);
    void clickListItem(int id, int item, int subItem = 0);
    void doubleClickListItem(int id, int item, int subItem = 0);
    void clickColumn(int id, int column);
    void scroll(int id, int code, int pos);
    void pressEnter();
    void pressEscape();
    void closeBox();

    // Reading back.
    std::string text(int id) const;
    bool isChecked(int id) const;
    bool isEnabled(int id) const;
    bool isVisible(int id) const;
    std::string caption() const;
    // The visible controls of the dialog and its shown pages whose text does not fit their
    // rectangle (a label wrapped past its height or onto a second line it has no room for, a
    // button, check box or group-box title wider than its control, tabs that need scroll
    // arrows), whose text lies under or over another control or runs past the edge of its
    // window or page, and a caption the title bar cannot hold; one line each, empty when all fit.
    std::vector<std::string> clippedControls() const;
    // Whether the dialog has ended, and its result.
    bool ended() const;
    int result() const;

    // Controls outside dialogs (created at run time on the view): a click, a scroll.
    static void clickControl(Window& control);
    static void scrollControl(Window& control, int code, int pos);

    // The control with the id (failing the test when it is missing).
    Window& control(int id) const;

private:
    Dialog& dialog_;
};

} // namespace vd
