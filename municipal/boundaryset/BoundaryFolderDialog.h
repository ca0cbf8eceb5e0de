#pragma once
// The folder dialog of the boundary conversion: template 133 asks for the administrative-area
// folder only, 132 also for the coastline folder. "登録" beside a folder chooses it through a
// file of that folder.
#include "platform/ui/Dialog.h"

#include <string>

class CDlgBoundaryFolders : public vd::Dialog {
public:
    enum { IDD_TWO_FOLDERS = 132, IDD_ONE_FOLDER = 133 };
    explicit CDlgBoundaryFolders(int templateId);

    std::string m_strBoundaryFolder;  // edit 1016
    std::string m_strCoastlineFolder; // edit 1017 (template 132)

    void DoDataExchange(vd::DataExchange& dx) override;

private:
    void ChooseFolder(int editId);
};

// The two templates, registered in Surrick's module.
vd::ui::DialogTemplate BoundaryFoldersTemplate(int templateId);

// The folder of a chosen file's Windows-form path: up to and including its last "\".
std::string FolderOfChosenFile(const std::string& path);
