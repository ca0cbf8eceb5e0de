#include "platform/ui/FileDialog.h"

#include "platform/fs/FileSystem.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/Ui.h"

namespace vd {

FileDialog::FileDialog(bool openDialog, std::string defaultExt, std::string fileName, unsigned flags,
                       std::string filter, Window*)
    : open_(openDialog), defaultExt_(std::move(defaultExt)), fileName_(std::move(fileName)), flags_(flags),
      filter_(std::move(filter))
{
}

FileDialog::~FileDialog() = default;

int FileDialog::DoModal()
{
    setTemplateId(panelTemplate_);
    path_.clear();
    result_ = IDCANCEL;
    const int id = ui::backend().runFileDialog(*this);
    DestroyWindow();
    controlTextSink_ = {};
    if (id != IDOK)
        path_.clear();
    return id == IDOK ? IDOK : IDCANCEL;
}

namespace {

size_t nameStart(const std::string& path)
{
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? 0 : slash + 1;
}

} // namespace

std::string FileDialog::GetFileName() const
{
    return path_.substr(nameStart(path_));
}

std::string FileDialog::GetFileExt() const
{
    const std::string name = GetFileName();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string FileDialog::GetFileTitle() const
{
    const std::string name = GetFileName();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string FileDialog::GetFolderPath() const
{
    const size_t start = nameStart(path_);
    return start == 0 ? std::string() : path_.substr(0, start - 1);
}

void FileDialog::SetControlText(int id, const std::string& text)
{
    if (id == IDOK)
        okText_ = text;
    if (controlTextSink_)
        controlTextSink_(id, text);
}

std::string FileDialog::controlText(int id) const
{
    return id == IDOK ? okText_ : std::string();
}

void FileDialog::OnFileNameChange() {}

void FileDialog::OnFolderChange() {}

bool FileDialog::OnInitDialog()
{
    return Dialog::OnInitDialog();
}

std::vector<FileDialog::Filter> FileDialog::parseFilter(const std::string& filter)
{
    std::vector<Filter> out;
    size_t pos = 0;
    while (pos < filter.size()) {
        const size_t bar = filter.find('|', pos);
        if (bar == std::string::npos || bar == pos)
            break;
        const size_t end = filter.find('|', bar + 1);
        Filter f{filter.substr(pos, bar - pos), filter.substr(bar + 1, end == std::string::npos ? std::string::npos : end - bar - 1)};
        out.push_back(std::move(f));
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return out;
}

void FileDialog::selectionChanged(const std::string& windowsPath)
{
    path_ = windowsPath;
    OnFileNameChange();
}

void FileDialog::folderChanged(const std::string&)
{
    OnFolderChange();
}

void FileDialog::finish(int id, const std::string& windowsPath)
{
    result_ = id;
    if (id == IDOK)
        path_ = windowsPath;
}

std::string FileDialog::startFolder(const std::string& lastFolder) const
{
    const std::size_t cut = fileName_.find_last_of('\\');
    if (cut != std::string::npos && folderExists(fileName_.substr(0, cut + 1)))
        return fileName_.substr(0, cut + 1);
    if (!initialFolder_.empty() && folderExists(initialFolder_))
        return initialFolder_;
    if (!lastFolder.empty() && folderExists(lastFolder))
        return lastFolder;
    return applicationFolder();
}

} // namespace vd
