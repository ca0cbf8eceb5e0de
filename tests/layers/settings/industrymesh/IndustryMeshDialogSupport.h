#pragma once
// Calling the industry-statistics mesh dialog through Pelmora's export as the program does, and
// reading its answer back.
#include "contracts/pelmora.h"
#include "layers/settings/industrymesh/IndustryMeshDialog.h"
#include "layers/settings/industrymesh/IndustryMeshInput.h"
#include "layers/settings/industrymesh/IndustryMeshPageSpecs.h"
#include "layers/settings/industrymesh/ItemNameDialog.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"
#include "tests/layers/settings/SettingsFilesSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

namespace industry_test {

constexpr int kTabs = kIndustryTabControl;
constexpr int kMeshMap = kIndustryMeshMapRadio;
constexpr int kAttribute = kIndustryAttributeRadio;
constexpr int kCommerce = CDlgDmcCommerce::IDD, kIndustry = CDlgDmcIndustry::IDD,
              kAgriculture = CDlgDmcAgriculture::IDD;
constexpr int kItemName = CDlgItemName::IDD;
// Each page's table: its top line (onBox, folderEdit, fileButton) as the page lays it out.
inline const IndustryPageSpec& CommerceSpec() { return IndustryPageSpecs()[0]; }
inline const IndustryPageSpec& IndustrySpec() { return IndustryPageSpecs()[1]; }
inline const IndustryPageSpec& AgricultureSpec() { return IndustryPageSpecs()[2]; }
// The fixed radio of a page that stands for the item (a class-bound row's radio is rowRadio).
inline int ItemRadio(const IndustryPageSpec& page, int item)
{
    for (const IndustryItemRadio& radio : page.fixed)
        if (radio.item == item)
            return radio.id;
    throw std::out_of_range("no radio for item " + std::to_string(item));
}
// Row r (from 0) of a page's class-bound rows: the edits and 登録 (the radios are the page's).
constexpr int From(int r) { return IndustryRowFromEdit(r); }
constexpr int To(int r) { return IndustryRowToEdit(r); }
constexpr int Interval(int r) { return IndustryRowIntervalEdit(r); }
constexpr int Register(int r) { return IndustryRowRegisterButton(r); }

// The answer: 12 integers, name and folder of rows 1-5, 28 item definitions.
struct Answer {
    explicit Answer(const std::string& text)
    {
        size_t at = 0;
        auto next = [&](char separator) {
            const size_t end = text.find(separator, at);
            EXPECT_NE(end, std::string::npos);
            std::string field = text.substr(at, end - at);
            at = end + 1;
            return field;
        };
        for (int& value : ints)
            value = std::stoi(next('|'));
        for (int row = 0; row < kIndustryRowCount; ++row) {
            name[row] = next('|');
            folder[row] = next('|');
        }
        for (std::string& spec : specs)
            spec = next('#');
        EXPECT_EQ(at, text.size()) << "nothing after the 28th item definition";
    }
    int tab() const { return ints[0]; }
    int on(int row) const { return ints[1 + 2 * row]; }
    int item(int row) const { return ints[2 + 2 * row]; }
    int method() const { return ints[11]; }
    // The selection the program hands back.
    std::string integers() const
    {
        std::string out;
        for (const int value : ints)
            out += std::to_string(value) + "|";
        return out;
    }
    std::string specText() const
    {
        std::string out;
        for (const std::string& spec : specs)
            out += spec + "#";
        return out;
    }

    std::array<int, kIndustrySettingsIntegers> ints{};
    std::array<std::string, kIndustryRowCount> name, folder;
    std::array<std::string, kIndustrySpecCount> specs;
};

template <size_t... I>
std::string CallWith(OnDlgDmcSet_fn* fn, const IndustryMeshInputs& in, std::index_sequence<I...>)
{
    return fn(in[I]...);
}

class IndustryMeshDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so");
        industry = vd::entryPoint<OnDlgDmcSet_fn>("Pelmora.DLL", "OnDlgDmcSet");
        ASSERT_NE(industry, nullptr);
        inputs[0] = vd::applicationFolder();
    }
    std::string Run(std::string selection, std::function<void(vd::DialogDriver&)> actions)
    {
        inputs[1] = std::move(selection);
        script->answerDialog("Pelmora", CDlgDmcSet::IDD, std::move(actions));
        return CallWith(industry, inputs, std::make_index_sequence<kIndustryInputCount>());
    }
    // Queues the answer of the item-name dialog opened by the next 登録.
    void AnswerItemName(std::function<void(vd::DialogDriver&)> actions)
    {
        script->answerDialog("Pelmora", kItemName, std::move(actions));
    }
    // An answer's texts handed back as the program does.
    void PassTexts(const Answer& a)
    {
        for (int row = 0; row < kIndustryRowCount; ++row) {
            inputs[2 + row] = a.name[row];
            inputs[7 + row] = a.folder[row];
        }
        inputs[12] = a.specText();
    }
    std::filesystem::path SettingsFile() const { return HomeFolder() / "DDMCFILE.DAT"; }

    std::shared_ptr<vd::ui::Script> script;
    OnDlgDmcSet_fn* industry = nullptr;
    IndustryMeshInputs inputs;
};

} // namespace industry_test
