#include "DialogAnswers.h"

#include "DialogScreenCheck.h"

#include "geology/settings/GeoSettingsTemplates.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/PathForm.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/WindowImpl.h"

#include <QComboBox>
#include <QListWidget>
#include <QRegularExpression>
#include <QTableWidget>

#include <algorithm>
#include <exception>
#include <filesystem>

namespace walk {

const char* nameOf(Answer answer)
{
    switch (answer) {
    case Answer::Cancel: return "Cancel";
    case Answer::Defaults: return "OK with defaults";
    case Answer::SampleRows: return "OK with sample rows";
    }
    return "?";
}

const std::vector<SampleLayer>& SampleLayers()
{
    // The rows a new application folder fills in from the sample (KSJ/SAMPLE.DAT).
    static const std::vector<SampleLayer> layers = {
        {"lines: rivers", 32772, "Pelmora", 232, 1516, {{1, 1017}}},
        {"points: offices, airports, towns", 32771, "Pelmora", 254, 1103, {{0, 1110}, {0, 1113}, {6, 1130}}},
        {"mesh: river lengths", 32774, "Pelmora", 235, 1030, {{1, 1337}}},
        {"mesh: coastal seas", 32774, "Pelmora", 235, 1030, {{2, 1308}}},
        {"surfaces: prefecture areas", 32773, "Pelmora", 135, 1030, {{0, 1060}}},
        {"fine mesh: lakes", 32781, "Pelmora", 145, 1437, {{3, 1478}}},
        // Tab 地形分類 without symbols in the cells, on the terrain classes of Kyoto.
        {"natural-terrain mesh: terrain classes", 32779, "Dovanne", geoids::kGeoSetDialog, geoids::kTabControl,
         {{2, geoids::kGeoTerrainBlock + geoids::kSymbolRadio}}, geoids::kFileButton, "KSJ/GEOSYNTH26.txt"},
    };
    return layers;
}

DialogAnswers::DialogAnswers(vd::ui::Script& script)
{
    script.answerOtherDialogs([this](vd::DialogDriver& dialog) { answer(dialog); });
    script.answerOtherFileDialogs([this](vd::FileDialog& dialog) { return answerFile(dialog); });
}

std::vector<std::string> DialogAnswers::takeFaults()
{
    return std::exchange(faults_, {});
}

std::vector<std::string> DialogAnswers::takeLayersChosen()
{
    return std::exchange(layersChosen_, {});
}

namespace {

std::string dialogName(const std::string& module, int templateId)
{
    return module + " " + std::to_string(templateId);
}

std::vector<const SampleLayer*> sampleLayersOf(const std::string& name)
{
    std::vector<const SampleLayer*> found;
    for (const SampleLayer& layer : SampleLayers())
        if (dialogName(layer.module, layer.templateId) == name)
            found.push_back(&layer);
    return found;
}

} // namespace

void DialogAnswers::chooseNext(const SampleLayer& layer)
{
    const std::string name = dialogName(layer.module, layer.templateId);
    const auto layers = sampleLayersOf(name);
    layerTurn_[name] = static_cast<size_t>(std::find(layers.begin(), layers.end(), &layer) - layers.begin());
}

bool DialogAnswers::tickSampleLayer(vd::DialogDriver& dialog)
{
    const std::string name = dialogName(dialog.dialog().module(), dialog.dialog().templateId());
    const auto layers = sampleLayersOf(name);
    if (layers.empty())
        return false;
    const SampleLayer& layer = *layers[layerTurn_[name]++ % layers.size()];
    if (layer.fileButton) {
        nextFile_ = vd::ui::toWindowsForm((vd::applicationFolderPath() / layer.file).string());
        dialog.click(layer.fileButton);
        nextFile_.reset();
    }
    for (const auto& [tab, box] : layer.ticks) {
        dialog.selectTab(layer.tabControl, tab);
        if (!dialog.isChecked(box))
            dialog.click(box);
    }
    layersChosen_.push_back(layer.kind);
    return true;
}

namespace {

bool hasControl(const vd::Dialog& dialog, int id)
{
    return dialog.GetDlgItem(id) != nullptr;
}

// The first row of each enabled list that has rows, as a user picks a sample entry.
void chooseFirstRows(vd::DialogDriver& dialog, const vd::ui::DialogTemplate& layout)
{
    using Kind = vd::ui::ControlKind;
    for (const vd::ui::ControlTemplate& control : layout.controls) {
        vd::Window* window = dialog.dialog().GetDlgItem(control.id);
        QWidget* widget = window && window->impl() ? window->impl()->widget.data() : nullptr;
        if (!widget || !widget->isEnabled() || !widget->isVisible())
            continue;
        if (control.kind == Kind::ListBox) {
            if (auto* list = qobject_cast<QListWidget*>(widget); list && list->count() > 0)
                dialog.selectList(control.id, 0);
        } else if (control.kind == Kind::ComboBox) {
            auto* combo = qobject_cast<QComboBox*>(widget);
            if (!combo)
                combo = widget->findChild<QComboBox*>();
            if (combo && combo->count() > 0)
                dialog.selectCombo(control.id, 0);
        } else if (control.kind == Kind::ListView) {
            if (auto* table = qobject_cast<QTableWidget*>(widget); table && table->rowCount() > 0)
                dialog.clickListItem(control.id, 0);
        }
    }
}

// Whether the name matches one of the patterns ("*.txt;*.TXT", "*.*"), without regard to case.
bool matches(const std::string& name, const std::string& patterns)
{
    const QString file = QString::fromStdString(name);
    for (const QString& pattern : QString::fromStdString(patterns).split(';', Qt::SkipEmptyParts)) {
        const QString wildcard = pattern.trimmed() == "*.*" ? "*" : pattern.trimmed();
        if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(wildcard),
                               QRegularExpression::CaseInsensitiveOption)
                .match(file)
                .hasMatch())
            return true;
    }
    return false;
}

} // namespace

std::optional<std::string> DialogAnswers::answerFile(vd::FileDialog& dialog)
{
    ++answered_;
    ++byTemplate_["file dialog " + dialog.filter()];
    if (nextFile_)
        return nextFile_;
    if (answer_ == Answer::Cancel)
        return std::nullopt;
    namespace fs = std::filesystem;
    const fs::path folder = vd::applicationFolderPath();
    if (!dialog.isOpen()) {
        const std::string ext = dialog.defaultExt().empty() ? "dat" : dialog.defaultExt();
        return vd::ui::toWindowsForm((folder / ("walk-saved-" + std::to_string(++saved_) + "." + ext)).string());
    }
    const auto filters = vd::FileDialog::parseFilter(dialog.filter());
    const std::string patterns = filters.empty() ? "*.*" : filters.front().patterns;
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file() && matches(it->path().filename().string(), patterns))
            found.push_back(it->path());
    if (found.empty())
        return std::nullopt;
    std::sort(found.begin(), found.end());
    return vd::ui::toWindowsForm(found.front().string());
}

void DialogAnswers::answer(vd::DialogDriver& dialog)
{
    ++answered_;
    vd::Dialog& shown = dialog.dialog();
    const std::string name = dialogName(shown.module(), shown.templateId());
    ++byTemplate_[name];
    if (const auto fault = largerThanTheSmallestScreen(shown))
        faults_.push_back("dialog " + name + ": " + *fault);
    try {
        if (answer_ == Answer::Cancel) {
            if (hasControl(shown, vd::IDCANCEL) && dialog.isEnabled(vd::IDCANCEL))
                dialog.click(vd::IDCANCEL);
            else
                dialog.pressEscape();
            return;
        }
        if (answer_ == Answer::SampleRows && !tickSampleLayer(dialog))
            if (const vd::ui::DialogTemplate* layout = shown.dialogTemplate())
                chooseFirstRows(dialog, *layout);
        if (dialog.ended())
            return; // a choice that ends the dialog by itself (a double-click list)
        if (hasControl(shown, vd::IDOK) && dialog.isEnabled(vd::IDOK))
            dialog.click(vd::IDOK);
        else
            dialog.pressEnter();
    } catch (const std::exception& e) {
        faults_.push_back("dialog " + name + " (" + nameOf(answer_) + "): " + e.what());
    }
}

} // namespace walk
