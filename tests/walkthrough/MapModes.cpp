#include "MapModes.h"

#include "UserActions.h"
#include "WalkRun.h"

#include "app/shell/ShellResources.h"

#include "platform/ui/DialogDriver.h"
#include "platform/ui/WinConstants.h"

#include <QAbstractButton>
#include <QTest>

namespace walk {

namespace {

using Kind = ReachStep::Kind;

ReachStep button(std::string caption)
{
    return {Kind::Button, std::move(caption)};
}

ReachStep menu(int id, Answer answer = Answer::SampleRows)
{
    return {Kind::Menu, {}, id, answer};
}

ReachStep key(int id)
{
    return {Kind::Key, {}, id};
}

// A rectangle dragged with the left button across the middle of the map.
ReachStep drag()
{
    return {Kind::Drag};
}

ReachStep answered(ReachStep step, std::string module, int dialog, std::function<void(vd::DialogDriver&)> actions)
{
    step.dialogModule = std::move(module);
    step.dialogId = dialog;
    step.dialogActions = std::move(actions);
    return step;
}

// The map-type dialog of the MAP button: the Japan overview in the projection of that row.
ReachStep japanOverviewIn(int projection)
{
    return answered(button("MAP"), "TOVENDLG", 159, [projection](vd::DialogDriver& d) {
        d.click(1005);
        d.selectCombo(1035, projection);
    });
}

bool dragAcross(QWidget* view)
{
    const QPoint from(view->width() / 3, view->height() / 3), to(view->width() / 2, view->height() / 2);
    QTest::mouseMove(view, from);
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(view, from + (to - from) * i / 4);
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    return true;
}

bool follow(WalkRun& run, const ReachStep& step)
{
    MainWindow& w = run.program();
    if (step.dialogId)
        run.script().answerDialog(step.dialogModule, step.dialogId, [actions = step.dialogActions](vd::DialogDriver& d) {
            actions(d);
            d.click(vd::IDOK);
        });
    switch (step.kind) {
    case Kind::Button:
        for (const auto& b : viewButtons(w.viewWidget()))
            if (captionOf(b) == step.caption)
                return clickButton(b);
        return false;
    case Kind::Menu: {
        const auto items = barCommands(w.bar());
        const auto item = items.find(step.id);
        return item != items.end() && chooseByMouse(w.bar(), item->second);
    }
    case Kind::Drag:
        return dragAcross(w.viewWidget());
    case Kind::Key:
        for (const vd::ui::Accelerator& a : shell::MainAccelerators().entries)
            if (a.command == step.id)
                return pressAccelerator(w.main, a);
        return false;
    }
    return false;
}

std::string textOf(const ReachStep& step)
{
    switch (step.kind) {
    case Kind::Button: return "button " + step.caption;
    case Kind::Menu: return "menu " + std::to_string(step.id);
    case Kind::Key: return "key of " + std::to_string(step.id);
    case Kind::Drag: return "a drag across the map";
    }
    return {};
}

} // namespace

const std::vector<MapMode>& MapModes()
{
    static const std::vector<MapMode> modes = {
        {"StartSheet3x3", {}},
        {"StartSheet1x1", {button("1×1")}},
        {"StartSheet5x5", {button("5×5")}},
        {"StartSheet7x7", {button("5×5"), button("7×7")}},
        {"JapanOverview", {menu(32810)}},
        {"RegionOverviewSanson", {japanOverviewIn(0), button("中央")}},
        {"RegionOverviewAlbers", {japanOverviewIn(1), button("中央")}},
        // Kyoto (field 26 of the area selection).
        {"PrefectureMap", {answered(menu(32812), "Pelmora", 147, [](vd::DialogDriver& d) { d.click(1484 + 26); })}},
        {"FreeExtent", {menu(33153), drag()}},
        {"TextPictureMenuBar", {key(32794)}},
        // Registered texts, pictures and albums chosen from their lists (the first sample row).
        {"TextPage", {button("ﾃｷｽﾄ")}, "issue 54: choosing a registered text"},
        // The sample bitmap through the first entry of picture menu 1 on the text and picture bar.
        {"PicturePage", {key(32794), menu(2230)}, "the sample entry of picture menu 1"},
        {"AlbumPlay", {key(33150)}, "issue 53: album play"},
    };
    return modes;
}

bool reach(WalkRun& run, const MapMode& mode)
{
    const Answer before = run.answers().answer();
    for (const ReachStep& step : mode.way) {
        run.answers().setAnswer(step.answer);
        if (!run.step(mode.name + ": on the way, " + textOf(step), [&] { return follow(run, step); })) {
            if (!run.quiet())
                run.recordFault(mode.name + ": cannot " + textOf(step));
            run.answers().setAnswer(before);
            return false;
        }
    }
    run.answers().setAnswer(before);
    return true;
}

} // namespace walk
