#pragma once
// Calling the point dialogs through Pelmora's exports as the program does, and reading their
// answer back by slot.
#include "contracts/pelmora.h"
#include "layers/settings/pointdata/PointDataDialogs.h"
#include "layers/settings/pointdata/PointPageSpecs.h"
#include "layers/settings/pointdata/PointSettingsInput.h"
#include "layers/settings/pointdata/PointTemplates.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"
#include "tests/layers/settings/SettingsFilesSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <utility>

namespace point_test {

constexpr int kTabs = kPointTabControl;
constexpr int kNote = kPointNoteLine;

// The controls of slot k as its page lays them out on the detailed map or the white map.
inline const PointRowSpec& Slot(int k, bool white = false)
{
    const PointPageSpec* pages[] = {&FacilitySpec(white),   &HydrologySpec(white),  &CoastSpec(),
                                    &LandPriceASpec(white), &LandPriceBSpec(white), &ByPrefectureSpec(),
                                    &NationwideSpec()};
    for (const PointPageSpec* page : pages)
        for (const PointRowSpec& row : page->rows)
            if (row.slot == k)
                return row;
    throw std::out_of_range("no point slot " + std::to_string(k));
}

// The 121 settings integers: the tab, then flag, colour, N and P of each slot, all 0 unless set.
struct Integers {
    int tab = 0;
    std::map<int, std::array<int, 4>> slots;
    std::string text() const
    {
        std::string out = std::to_string(tab) + "|";
        for (int k = 0; k < kPointSlotCount; ++k) {
            const auto it = slots.find(k);
            for (int i = 0; i < 4; ++i)
                out += std::to_string(it == slots.end() ? 0 : it->second[i]) + "|";
        }
        return out;
    }
};

// The answer by slot.
struct Answer {
    explicit Answer(const std::string& text)
    {
        size_t at = 0;
        auto next = [&] {
            const size_t bar = text.find('|', at);
            EXPECT_NE(bar, std::string::npos);
            std::string field = text.substr(at, bar - at);
            at = bar + 1;
            return field;
        };
        tab = std::stoi(next());
        for (int k = 0; k < kPointSlotCount; ++k)
            for (int i = 0; i < 4; ++i)
                ints[k][i] = std::stoi(next());
        for (int k = 0; k < kPointSlotCount; ++k) {
            if (k == kUnusedPointSlot)
                continue;
            name[k] = next();
            file[k] = next();
        }
        EXPECT_EQ(at, text.size()) << "nothing after the 58th text";
    }
    int flag(int k) const { return ints[k][0]; }
    int colour(int k) const { return ints[k][1]; }
    int n(int k) const { return ints[k][2]; }
    int p(int k) const { return ints[k][3]; }

    int tab = -1;
    std::array<std::array<int, 4>, kPointSlotCount> ints{};
    std::array<std::string, kPointSlotCount> name, file;
};

template <class Fn, size_t... I>
std::string CallWith(Fn* fn, const PointInputs& in, std::index_sequence<I...>)
{
    return fn(in[I]...);
}

class PointDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so");
        detailed = vd::entryPoint<OnDlgDpSet_fn>("Pelmora.DLL", "OnDlgDpSet");
        white = vd::entryPoint<OnDlgWhtDpSet_fn>("Pelmora.DLL", "OnDlgWhtDpSet");
        ASSERT_NE(detailed, nullptr);
        ASSERT_NE(white, nullptr);
        inputs[0] = WinPathOf("DddPFile.dat");
    }
    std::string Detailed(std::string settings, std::function<void(vd::DialogDriver&)> actions)
    {
        inputs[1] = std::move(settings);
        script->answerDialog("Pelmora", CDlgPointDataSet::IDD, std::move(actions));
        return CallWith(detailed, inputs, std::make_index_sequence<kPointInputCount>());
    }
    std::string White(std::string settings, std::function<void(vd::DialogDriver&)> actions)
    {
        inputs[1] = std::move(settings);
        script->answerDialog("Pelmora", CDlgWhitePointDataSet::IDD, std::move(actions));
        return CallWith(white, inputs, std::make_index_sequence<kPointInputCount>());
    }
    std::filesystem::path SettingsFile() const { return HomeFolder() / "DddPFile.dat"; }

    std::shared_ptr<vd::ui::Script> script;
    OnDlgDpSet_fn* detailed = nullptr;
    OnDlgWhtDpSet_fn* white = nullptr;
    PointInputs inputs;
};

} // namespace point_test
