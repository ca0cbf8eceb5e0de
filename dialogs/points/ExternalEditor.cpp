#include "dialogs/points/ExternalEditor.h"

#include "platform/ui/EditorCommand.h"

bool RunExternalEditor(const std::string& program, const std::string& file)
{
    return vd::ui::runExternalEditor(program, file);
}
