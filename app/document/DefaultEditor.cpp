#include "app/document/DefaultEditor.h"

#include "platform/fs/PathResolver.h"
#include "platform/ui/EditorCommand.h"

std::string FindDefaultEditor()
{
    // The profile keeps the program alone; its wait option is added when the editor is started.
    const auto command = vd::ui::defaultEditor();
    const std::string program = command.empty() ? std::string("xdg-open") : command.front();
    const std::string found = vd::ui::findProgram(program);
    if (found.empty())
        return program;
    return vd::toWindowsPath(found).value_or(found);
}
