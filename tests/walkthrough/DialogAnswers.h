#pragma once
// How the walk answers every dialog that opens, by whatever command: (a) Cancel, (b) OK with the
// dialog's defaults, (c) OK with the first row chosen in each list, combo box and list view that
// offers one. Message boxes take their default button. File dialogs are cancelled for (a); for
// (b) and (c) an open dialog gets the first file of the application folder its filter shows, a
// save dialog a new file there.
#include "platform/ui/UiScript.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vd {
class FileDialog;
}

namespace walk {

enum class Answer { Cancel, Defaults, SampleRows };
const char* nameOf(Answer answer);

class DialogAnswers {
public:
    explicit DialogAnswers(vd::ui::Script& script);

    void setAnswer(Answer answer) { answer_ = answer; }
    Answer answer() const { return answer_; }

    // Dialogs answered so far, by module and template id, and what a step's driving threw.
    int answered() const { return answered_; }
    const std::map<std::string, int>& byTemplate() const { return byTemplate_; }
    std::vector<std::string> takeFaults();

private:
    void answer(vd::DialogDriver& dialog);
    std::optional<std::string> answerFile(vd::FileDialog& dialog);

    Answer answer_ = Answer::Cancel;
    int answered_ = 0;
    int saved_ = 0;
    std::map<std::string, int> byTemplate_;
    std::vector<std::string> faults_;
};

} // namespace walk
