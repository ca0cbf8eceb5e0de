#pragma once
// The file open and save dialog: the old platform's filter form
// ("txt files (*.txt)|*.txt|All files (*.*)|*.*||"), default extension, initial name ("*.txt"
// filters instead of naming a file), flags (OFN_FILEMUSTEXIST ...), the chosen path in Windows
// form. A derived class may add a child panel from a template of its module (its controls by id,
// as a dialog's) and follow the selection (OnFileNameChange) to preview it.
#include "platform/ui/Dialog.h"

#include <string>
#include <vector>

namespace vd {

class FileDialog : public Dialog {
public:
    FileDialog(bool openDialog, std::string defaultExt = {}, std::string fileName = {},
               unsigned flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, std::string filter = {},
               Window* parent = nullptr);
    ~FileDialog() override;

    // Runs the dialog through the vd::ui seam: IDOK or IDCANCEL.
    int DoModal();

    // The chosen path in Windows form ("Z:\home\user\a.txt"); during the run the selection.
    std::string GetPathName() const { return path_; }
    std::string GetFileName() const;
    std::string GetFileExt() const;
    std::string GetFileTitle() const;
    std::string GetFolderPath() const;

    // Set before DoModal.
    void SetFilter(std::string filter) { filter_ = std::move(filter); }
    void SetTemplate(int panelTemplateId) { panelTemplate_ = panelTemplateId; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    // The folder (Windows form) to open in, as the old program made it current before the run.
    void SetInitialFolder(std::string windowsFolder) { initialFolder_ = std::move(windowsFolder); }
    unsigned& flags() { return flags_; }

    // The caption of a control of the file dialog itself; IDOK is its OK button.
    void SetControlText(int id, const std::string& text);
    std::string controlText(int id) const;

    // Hooks: the selection changed (GetPathName is the new one), the folder changed.
    virtual void OnFileNameChange();
    virtual void OnFolderChange();

    // What the dialog was asked.
    bool isOpen() const { return open_; }
    const std::string& filter() const { return filter_; }
    const std::string& defaultExt() const { return defaultExt_; }
    const std::string& initialName() const { return fileName_; }
    unsigned flagsValue() const { return flags_; }
    int panelTemplate() const { return panelTemplate_; }
    const std::string& title() const { return title_; }
    const std::string& initialFolder() const { return initialFolder_; }

    // The filter as pairs of description and patterns ("*.txt;*.text").
    struct Filter {
        std::string description;
        std::string patterns;
    };
    static std::vector<Filter> parseFilter(const std::string& filter);

    // The folder (Windows form) the dialog opens in: the folder of a named file when it exists,
    // else the initial folder when it exists, else `lastFolder` (where the previous dialog of the
    // run ended), else the application folder; never the folder the program was started from.
    std::string startFolder(const std::string& lastFolder) const;

    // Internal (the backends): a new selection or folder (Windows form), the end of the run.
    void selectionChanged(const std::string& windowsPath);
    void folderChanged(const std::string& windowsFolder);
    void finish(int id, const std::string& windowsPath);

    void setControlTextSink(std::function<void(int, const std::string&)> sink) { controlTextSink_ = std::move(sink); }

    bool OnInitDialog() override;

private:
    bool open_;
    std::string defaultExt_;
    std::string fileName_;
    unsigned flags_;
    std::string filter_;
    std::string title_;
    std::string initialFolder_;
    int panelTemplate_ = 0;
    std::string path_;
    std::string okText_;
    int result_ = IDCANCEL;
    std::function<void(int, const std::string&)> controlTextSink_;
};

} // namespace vd
