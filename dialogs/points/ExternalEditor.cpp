#include "dialogs/points/ExternalEditor.h"

#include "platform/ui/EditorCommand.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/Ui.h"

bool RunExternalEditor(const std::string& program, const std::string& file)
{
    return vd::ui::editAndWait(vd::ui::editorCommand(program, vd::ui::toLinuxForm(file)));
}
