#pragma once
// Calling the surface dialog through Pelmora's export as the program does, and reading its answer
// back by row.
#include "contracts/pelmora.h"
#include "layers/settings/surface/SurfaceDataDialog.h"
#include "layers/settings/surface/SurfacePageSpecs.h"
#include "layers/settings/surface/SurfaceSettingsInput.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"
#include "tests/layers/settings/SettingsFilesSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <utility>

namespace surface_test {

constexpr int kTabs = kSurfaceTabControl;
constexpr int kStatus = kSurfaceStatusLine;

// The controls of settings row n (0 to 14) as the pages lay them out.
inline const SurfaceRowSpec& Row(int n)
{
    for (const SurfacePageSpec& page : SurfacePageSpecs())
        for (const SurfaceRowSpec& row : page.rows)
            if (row.row == n)
                return row;
    throw std::out_of_range("no surface row " + std::to_string(n));
}

// The 61 settings integers: the tab, then per group (rows 0-4, 10-14, 5-9) and row its on,
// colour, fill and name values, 0 unless set.
struct Integers {
    int tab = 0;
    std::map<int, std::array<int, 4>> rows;
    std::string text() const
    {
        std::string out = std::to_string(tab) + "|";
        for (const int first : kSurfaceGroupFirstRows)
            for (int n = first; n < first + 5; ++n) {
                const auto it = rows.find(n);
                for (int i = 0; i < 4; ++i)
                    out += std::to_string(it == rows.end() ? 0 : it->second[i]) + "|";
            }
        return out;
    }
};

// The answer by row.
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
        for (const int first : kSurfaceGroupFirstRows)
            for (int value = 0; value < 4; ++value)
                for (int n = first; n < first + 5; ++n)
                    ints[n][value] = std::stoi(next());
        for (int i = 0; i < 5; ++i)
            for (const int first : kSurfaceGroupFirstRows) {
                name[first + i] = next();
                text_[first + i] = next();
            }
        EXPECT_EQ(at, text.size()) << "nothing after the 30th text";
    }
    int on(int n) const { return ints[n][0]; }
    int colour(int n) const { return ints[n][1]; }
    int fill(int n) const { return ints[n][2]; }
    int labels(int n) const { return ints[n][3]; }
    const std::string& file(int n) const { return text_[n]; }

    // The next call's inputs as the program makes them: the values per row again.
    Integers integers() const
    {
        Integers in;
        in.tab = tab;
        for (int n = 0; n < kSurfaceRowCount; ++n)
            in.rows[n] = ints[n];
        return in;
    }

    int tab = -1;
    std::array<std::array<int, 4>, kSurfaceRowCount> ints{};
    std::array<std::string, kSurfaceRowCount> name, text_;
};

template <class Fn, size_t... I>
std::string CallWith(Fn* fn, const SurfaceInputs& in, std::index_sequence<I...>)
{
    return fn(in[I]...);
}

class SurfaceDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so");
        surface = vd::entryPoint<OnDlgDsSet_fn>("Pelmora.DLL", "OnDlgDsSet");
        ASSERT_NE(surface, nullptr);
        inputs[0] = vd::applicationFolder();
    }
    std::string Run(std::string settings, std::function<void(vd::DialogDriver&)> actions)
    {
        inputs[1] = std::move(settings);
        script->answerDialog("Pelmora", CDlgDsSet::IDD, std::move(actions));
        return CallWith(surface, inputs, std::make_index_sequence<kSurfaceInputCount>());
    }
    // The inputs of rows as the program passes them.
    std::string& NameInput(int n) { return inputs[2 + 10 * Group(n) + n % 5]; }
    std::string& TextInput(int n) { return inputs[7 + 10 * Group(n) + n % 5]; }
    static int Group(int n) { return n < 5 ? 0 : n < 10 ? 2 : 1; }
    // The names and texts of an answer handed back.
    void PassTexts(const Answer& a)
    {
        for (int n = 0; n < kSurfaceRowCount; ++n) {
            NameInput(n) = a.name[n];
            TextInput(n) = a.file(n);
        }
    }
    std::filesystem::path SettingsFile() const { return HomeFolder() / "DddSFile.dat"; }

    std::shared_ptr<vd::ui::Script> script;
    OnDlgDsSet_fn* surface = nullptr;
    SurfaceInputs inputs;
};

} // namespace surface_test
