#pragma once
// How the walk answers every dialog that opens, by whatever command: (a) Cancel, (b) OK with the
// dialog's defaults, (c) OK with sample rows: in a layer dialog the rows of the bundled sample
// layers ticked (SampleLayers), in any other the first row chosen in each list, combo box and list
// view that offers one. Message boxes take their default button. File dialogs are cancelled for (a); for
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

// A layer of the bundled sample as a user switches it on in its own dialog, reached by the menu
// command: a file of the application folder picked with the dialog's file button where the layer
// names one, then each tick shows its tab and clicks the row's box or radio button unless it is
// already on.
struct SampleLayer {
    std::string kind;
    int command;
    std::string module;
    int templateId;
    int tabControl;
    std::vector<std::pair<int, int>> ticks; // tab index, check box or radio button
    int fileButton = 0;
    std::string file; // relative to the application folder
};
// Every sample layer; a dialog with several (the mesh themes, one shown at a time) takes them in
// turn, one each time it is answered with sample rows.
const std::vector<SampleLayer>& SampleLayers();

class DialogAnswers {
public:
    explicit DialogAnswers(vd::ui::Script& script);

    void setAnswer(Answer answer) { answer_ = answer; }
    Answer answer() const { return answer_; }

    // Dialogs answered so far, by module and template id, and what a step's driving threw.
    int answered() const { return answered_; }
    const std::map<std::string, int>& byTemplate() const { return byTemplate_; }
    std::vector<std::string> takeFaults();
    // The sample layers ticked since the last call, by kind.
    std::vector<std::string> takeLayersChosen();
    // The layer that its dialog ticks the next time it is answered with sample rows.
    void chooseNext(const SampleLayer& layer);

private:
    void answer(vd::DialogDriver& dialog);
    // Ticks the next sample layer of the dialog; false when the dialog shows none.
    bool tickSampleLayer(vd::DialogDriver& dialog);
    std::optional<std::string> answerFile(vd::FileDialog& dialog);

    Answer answer_ = Answer::Cancel;
    int answered_ = 0;
    int saved_ = 0;
    std::map<std::string, int> byTemplate_;
    std::map<std::string, size_t> layerTurn_; // by module and template
    std::vector<std::string> layersChosen_;
    std::optional<std::string> nextFile_; // the file the next file dialog picks
    std::vector<std::string> faults_;
};

} // namespace walk
