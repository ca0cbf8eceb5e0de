#include "program/VeldoranApp.h"

#include "app/shell/AboutDlg.h"
#include "app/shell/MainFrame.h"
#include "app/shell/PrintSetup.h"
#include "app/shell/ShellCommands.h"
#include "app/shell/ShellResources.h"
#include "app/document/VeldoranDoc.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FrameWindow.h"
#include "view/window/VeldoranView.h"

CVeldoranApp::CVeldoranApp()
{
    m_fnMakeView = [this] { return std::make_unique<CVeldoranView>(*static_cast<CVeldoranDoc*>(document())); };
    OnCommand(shell::ID_APP_ABOUT, [this] { OnAppAbout(); });
    // As the close box: a command chosen while a long operation delivers events waits for it.
    OnCommand(shell::ID_APP_EXIT, [this] {
        if (m_pMainWnd)
            m_pMainWnd->RequestClose();
    });
    OnCommand(shell::ID_FILE_NEW, [this] { OnFileNewCommand(); });
    OnCommand(shell::ID_FILE_OPEN, [this] { OnFileOpen(); });
    OnCommand(shell::ID_FILE_PRINT_SETUP, [] { shell::RunPrintSetup(); });
}

bool CVeldoranApp::InitInstance()
{
    shell::RegisterShellResources();
    vd::SingleDocTemplate docTemplate;
    docTemplate.resourceId = shell::IDR_MAINFRAME;
    docTemplate.makeDocument = [] { return std::make_unique<CVeldoranDoc>(); };
    docTemplate.makeFrame = [] { return std::make_unique<CMainFrame>(); };
    docTemplate.makeView = [this] { return m_fnMakeView(); };
    AddDocTemplate(std::move(docTemplate));
    // No command line of the program's own: the default command, a new file, builds the run.
    if (!OnFileNew())
        return false;
    static_cast<CMainFrame*>(m_pMainWnd)->PlaceFrame();
    return true;
}

void CVeldoranApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CVeldoranApp::OnFileNewCommand()
{
    // The one document lives for the run: a new file only runs its new-document step again.
    if (vd::Document* document = this->document(); document && document->OnNewDocument())
        document->UpdateAllViews(nullptr);
}

void CVeldoranApp::OnFileOpen()
{
    // The document type names no extension and no loader: a chosen file changes nothing.
    vd::FileDialog dialog(true);
    dialog.DoModal();
}
