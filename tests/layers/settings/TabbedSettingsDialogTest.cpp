// The tabbed settings frame, proved on a container made here: a page of rows (folder and file
// forms, switching and plain boxes, colour lists) and two theme pages of one class with a radio
// group, under a tab control whose id, templates and creation order the container names.
#include "layers/settings/ColourLists.h"
#include "layers/settings/TabbedSettingsDialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

namespace {

using vd::ui::DialogUnits;

constexpr int kContainer = 9400;
constexpr int kRowsPage = 9401;
constexpr int kThemePage = 9402;
constexpr int kTabs = 1437;
constexpr int kStatus = 1438;

// Rows page: row 0 (folder form, code length 8), row 1 (file form).
constexpr int kOn0 = 1017, kText0 = 1002, kFill0 = 1018, kName0 = 1019, kColour0 = 1001, kFile0 = 1519;
constexpr int kOn1 = 1020, kText1 = 1004, kFill1 = 1021, kName1 = 1022, kColour1 = 1003, kFile1 = 1522;
// Theme page: folder form with code length 7, items 0 to 2.
constexpr int kThemeOn = 1100, kThemeText = 1101, kThemeFile = 1102, kItem0 = 1103, kItem2 = 1105, kMeshOnly = 1106;

void RegisterTemplates()
{
    using namespace vd::ui;
    DialogTemplate container = SettingsContainerTemplate(kContainer, "  テスト設定", kTabs,
                                                         {ltext(kStatus, "", DialogUnits{3, 122, 130, 9})});
    std::vector<ControlTemplate> rows;
    auto addRow = [&](int y, int on, int text, int colour, const std::vector<std::string>& colours, int fill,
                      int name, int file) {
        rows.push_back(checkBox(on, "", DialogUnits{3, y, 10, 10}));
        rows.push_back(comboBox(colour, DialogUnits{16, y, 40, 120}, vd::CBS_DROPDOWNLIST, colours));
        rows.push_back(checkBox(fill, "", DialogUnits{60, y, 10, 10}));
        rows.push_back(checkBox(name, "", DialogUnits{74, y, 10, 10}));
        rows.push_back(edit(text, DialogUnits{88, y, 100, 12}));
        rows.push_back(pushButton(file, "ﾌｧｲﾙ", DialogUnits{190, y, 26, 12}));
    };
    rows.push_back(ltext(vd::IDC_STATIC, "ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", DialogUnits{88, 4, 100, 8}));
    addRow(14, kOn0, kText0, kColour0, SurfaceColourNames(), kFill0, kName0, kFile0);
    addRow(30, kOn1, kText1, kColour1, SolidColourNames(), kFill1, kName1, kFile1);
    DialogTemplate theme = SettingsPageTemplate(kThemePage, {
        checkBox(kThemeOn, "", DialogUnits{3, 6, 10, 10}),
        edit(kThemeText, DialogUnits{16, 6, 160, 12}),
        pushButton(kThemeFile, "ﾌｧｲﾙ", DialogUnits{180, 6, 26, 12}),
        groupBox(vd::IDC_STATIC, "項目", DialogUnits{3, 24, 200, 60}),
        radioButton(kItem0, "年平均", DialogUnits{10, 36, 60, 10}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(1104, "最高", DialogUnits{10, 50, 60, 10}),
        radioButton(kItem2, "最低", DialogUnits{10, 64, 60, 10}),
        checkBox(kMeshOnly, "ﾒｯｼｭﾏｯﾌﾟのみ", DialogUnits{100, 36, 80, 10}),
    });
    registerTemplates(kProgramModule, {container, SettingsPageTemplate(kRowsPage, rows), theme});
}

struct Image {
    int rowOn[2]{}, rowColour[2]{}, rowFill[2]{}, rowName[2]{};
    std::string rowText[2];
    int themeOn[2]{}, themeItem[2]{}, themeMeshOnly[2]{};
    std::string themeText[2];
};

class RowsPage : public SettingsPage {
public:
    RowsPage() : SettingsPage(kRowsPage)
    {
        const int row0 = AddRow(kOn0, on[0], kText0, text[0]);
        AddRowBox(row0, kFill0, fill[0], true);
        AddRowBox(row0, kName0, name[0], false);
        BindColourList(kColour0, colour[0]);
        AddFileButton(row0, kFile0, DataTextForm::Folder(8));
        const int row1 = AddRow(kOn1, on[1], kText1, text[1]);
        AddRowBox(row1, kFill1, fill[1], false);
        AddRowBox(row1, kName1, name[1], true);
        BindColourList(kColour1, colour[1]);
        AddFileButton(row1, kFile1, DataTextForm::File());
    }
    bool OnInitDialog() override
    {
        ++inits;
        return SettingsPage::OnInitDialog();
    }
    int on[2]{}, colour[2]{}, fill[2]{}, name[2]{};
    std::string text[2];
    int inits = 0;
};

class ThemePage : public SettingsPage {
public:
    ThemePage() : SettingsPage(kThemePage)
    {
        const int row = AddRow(kThemeOn, on, kThemeText, text);
        AddFileButton(row, kThemeFile, DataTextForm::Folder(7));
        BindRadioGroup({{kItem0, 0}, {1104, 1}, {kItem2, 2}}, choice);
        BindCheck(kMeshOnly, meshOnly);
    }
    bool OnInitDialog() override
    {
        ++inits;
        return SettingsPage::OnInitDialog();
    }
    int on = 0, choice = 0, meshOnly = 0;
    std::string text;
    int inits = 0;
};

class TestContainer : public TabbedSettingsDialog {
public:
    explicit TestContainer(Image image) : TabbedSettingsDialog(kContainer, kTabs), image(std::move(image))
    {
        AddPage(rows, "面");
        AddPage(themes[0], "気候");
        AddPage(themes[1], "森林");
        SetCreationOrder({2, 0, 1});
    }
    using TabbedSettingsDialog::SetSingleTheme;

    void LoadPage(int tab) override
    {
        loaded.push_back(tab);
        if (tab == 0) {
            for (int r = 0; r < 2; ++r) {
                rows.on[r] = image.rowOn[r];
                rows.colour[r] = image.rowColour[r];
                rows.fill[r] = image.rowFill[r];
                rows.name[r] = image.rowName[r];
                rows.text[r] = image.rowText[r];
            }
            return;
        }
        ThemePage& p = themes[tab - 1];
        p.on = image.themeOn[tab - 1];
        p.choice = image.themeItem[tab - 1];
        p.meshOnly = image.themeMeshOnly[tab - 1];
        p.text = image.themeText[tab - 1];
    }
    void CollectPage(int tab) override
    {
        if (tab == 0) {
            for (int r = 0; r < 2; ++r) {
                image.rowOn[r] = rows.on[r];
                image.rowColour[r] = rows.colour[r];
                image.rowFill[r] = rows.fill[r];
                image.rowName[r] = rows.name[r];
                image.rowText[r] = rows.TypedPath(r == 0 ? kText0 : kText1);
            }
            return;
        }
        ThemePage& p = themes[tab - 1];
        image.themeOn[tab - 1] = p.on;
        image.themeItem[tab - 1] = p.choice;
        image.themeMeshOnly[tab - 1] = p.meshOnly;
        image.themeText[tab - 1] = p.TypedPath(kThemeText);
    }
    void SwitchThemeOff(int tab) override
    {
        if (tab > 0)
            image.themeOn[tab - 1] = 0;
    }
    void UpdateStatusLine() override { SetDlgItemText(kStatus, "表示中: " + tabControl().GetItemText(m_nCurrentTab)); }

    Image image;
    RowsPage rows;
    ThemePage themes[2];
    std::vector<int> loaded;
};

class TabbedSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        RegisterTemplates();
    }
    std::shared_ptr<vd::ui::Script> script;
};

Image FilledImage()
{
    Image image;
    image.rowOn[0] = 1;
    image.rowColour[0] = 13;
    image.rowText[0] = "D:\\KSJ\\A10\\(A10-01_a)";
    image.rowColour[1] = 4;
    image.rowName[1] = 1;
    image.themeOn[0] = 1;
    image.themeItem[0] = 2;
    image.themeText[0] = "D:\\KSJ\\G02\\(G02-01)";
    image.themeText[1] = "D:\\KSJ\\A13\\(A13-01)";
    return image;
}

} // namespace

TEST_F(TabbedSettings, OpensOnTheCurrentTabWithPagesCreatedOnceFromTheImage)
{
    TestContainer dialog(FilledImage());
    dialog.m_nCurrentTab = 2;
    script->answerDialog(kContainer, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  テスト設定");
        EXPECT_EQ(dialog.tabControl().GetItemCount(), 3);
        EXPECT_EQ(dialog.tabControl().GetItemText(1), "気候");
        EXPECT_EQ(dialog.tabControl().GetCurSel(), 2) << "the third tab is selected";
        EXPECT_TRUE(dialog.themes[1].IsWindowVisible()) << "and its page shown";
        EXPECT_FALSE(dialog.rows.IsWindowVisible());
        EXPECT_FALSE(dialog.themes[0].IsWindowVisible());
        EXPECT_EQ(d.text(kStatus), "表示中: 森林");
        for (int tab = 0; tab < 3; ++tab)
            EXPECT_EQ(dialog.page(tab).GetParent(), &dialog) << "pages are the container's children";
        // The pages were filled from the image.
        EXPECT_TRUE(d.isChecked(kOn0));
        EXPECT_FALSE(d.isChecked(kOn1));
        EXPECT_TRUE(d.isChecked(kName1));
        EXPECT_EQ(dialog.rows.item<vd::ComboBox>(kColour0)->GetLBText(13), "深緑点");
        EXPECT_EQ(dialog.rows.item<vd::ComboBox>(kColour0)->GetCurSel(), 13);
        EXPECT_EQ(dialog.rows.item<vd::ComboBox>(kColour1)->GetCount(), 11);
        EXPECT_EQ(dialog.rows.item<vd::ComboBox>(kColour1)->GetCurSel(), 4);
        EXPECT_EQ(dialog.rows.GetDlgItemText(kText0), "D:\\KSJ\\A10\\(A10-01_a)");
        EXPECT_TRUE(dialog.themes[0].item<vd::Button>(kItem2)->GetCheck());
        EXPECT_FALSE(dialog.themes[0].item<vd::Button>(kItem0)->GetCheck());
        EXPECT_TRUE(dialog.themes[1].item<vd::Button>(kItem0)->GetCheck());

        d.selectTab(kTabs, 0);
        EXPECT_TRUE(dialog.rows.IsWindowVisible());
        EXPECT_FALSE(dialog.themes[1].IsWindowVisible());
        EXPECT_EQ(d.text(kStatus), "表示中: 面");
        d.setText(kText1, "typed");
        // Another show of the container rebuilds nothing.
        dialog.ShowWindow(vd::SW_HIDE);
        dialog.ShowWindow(vd::SW_SHOW);
        EXPECT_EQ(dialog.rows.GetDlgItemText(kText1), "typed");
        EXPECT_TRUE(dialog.rows.IsWindowVisible());
        EXPECT_EQ(dialog.tabControl().GetCurSel(), 0);
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), vd::IDCANCEL);
    EXPECT_EQ(dialog.loaded, (std::vector<int>{2, 0, 1})) << "in the container's creation order";
    EXPECT_EQ(dialog.rows.inits, 1);
    EXPECT_EQ(dialog.themes[0].inits, 1);
    EXPECT_EQ(dialog.themes[1].inits, 1);
    EXPECT_EQ(dialog.image.rowText[1], "") << "Cancel leaves the image as loaded";
    EXPECT_EQ(dialog.m_nCurrentTab, 0);
}

TEST_F(TabbedSettings, ACurrentTabOutsideTheTabsOpensTheFirst)
{
    for (int tab : {3, -1, 1000}) {
        TestContainer dialog(FilledImage());
        dialog.m_nCurrentTab = tab;
        script->answerDialog(kContainer, [&](vd::DialogDriver& d) {
            EXPECT_EQ(dialog.tabControl().GetCurSel(), 0);
            EXPECT_TRUE(dialog.rows.IsWindowVisible());
            EXPECT_EQ(d.text(kStatus), "表示中: 面");
            d.click(vd::IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), vd::IDOK) << tab;
        EXPECT_EQ(dialog.m_nCurrentTab, 0);
    }
}

TEST_F(TabbedSettings, RowBoxesFollowTheRowRules)
{
    Image image = FilledImage();
    image.rowOn[0] = 0;
    TestContainer dialog(image);
    script->answerDialog(kContainer, [&](vd::DialogDriver& d) {
        // Row 1 has no text: its on box stays clear, also after a text is typed (not chosen).
        d.click(kOn1);
        EXPECT_FALSE(d.isChecked(kOn1));
        d.setText(kText1, "C:\\typed.txt");
        d.click(kOn1);
        EXPECT_FALSE(d.isChecked(kOn1));
        // Its name box switches rows on, but only rows with a text.
        d.click(kName1);
        EXPECT_FALSE(d.isChecked(kName1));
        EXPECT_FALSE(d.isChecked(kOn1));
        // Row 0 has a folder: the fill box switches it on; clicking it again leaves it on.
        d.click(kFill0);
        EXPECT_TRUE(d.isChecked(kFill0));
        EXPECT_TRUE(d.isChecked(kOn0));
        d.click(kFill0);
        EXPECT_FALSE(d.isChecked(kFill0));
        EXPECT_TRUE(d.isChecked(kOn0));
        // The on box toggles a row with a text; the name box of row 0 only toggles its value.
        d.click(kOn0);
        EXPECT_FALSE(d.isChecked(kOn0));
        d.click(kName0);
        EXPECT_TRUE(d.isChecked(kName0));
        EXPECT_FALSE(d.isChecked(kOn0));
        d.click(kFill1);
        EXPECT_TRUE(d.isChecked(kFill1));
        d.selectCombo(kColour0, 21);
        d.click(vd::IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), vd::IDOK);
    EXPECT_EQ(dialog.image.rowOn[0], 0);
    EXPECT_EQ(dialog.image.rowFill[0], 0);
    EXPECT_EQ(dialog.image.rowName[0], 1);
    EXPECT_EQ(dialog.image.rowColour[0], 21);
    EXPECT_EQ(dialog.image.rowOn[1], 0);
    EXPECT_EQ(dialog.image.rowFill[1], 1);
    EXPECT_EQ(dialog.image.rowName[1], 0) << "clicked once from 1";
    EXPECT_EQ(dialog.image.rowText[1], "C:\\typed.txt") << "typed texts are read from the edits";
}

TEST_F(TabbedSettings, FileChoicesWriteTheRowsFolderOrFileForm)
{
    TestContainer dialog(Image{});
    dialog.m_nCurrentTab = 1;
    script->answerFileDialog("D:\\DATA\\N03\\N03-01_ab.txt", [&](vd::FileDialog&) {
        EXPECT_EQ(script->beeps(), 1) << "the beep comes first";
    });
    script->answerFileDialog("C:\\X.TXT");
    script->cancelFileDialog();
    script->answerFileDialog("D:\\A\\ab.txt");
    script->answerFileDialog("D:\\データ\\あいうえお.txt");
    script->answerFileDialog("nofolder.txt");
    script->answerFileDialog("C:\\ＤＡＴＡ\\Ab.Txt");
    script->answerDialog(kContainer, [&](vd::DialogDriver& d) {
        d.selectTab(kTabs, 0);
        d.click(kFile0);
        EXPECT_EQ(d.text(kText0), "D:\\DATA\\N03\\(N03-01_a)");
        EXPECT_EQ(dialog.rows.chosenFileName(), "N03-01_ab.txt");
        EXPECT_FALSE(d.isChecked(kOn0)) << "a choice changes no box";
        d.click(kFile1);
        EXPECT_EQ(d.text(kText1), "c:\\x.txt");
        d.click(kFile1);
        EXPECT_EQ(d.text(kText1), "c:\\x.txt") << "a cancelled choice changes nothing";
        // The theme pages take 7 characters; a shorter name goes whole, a kanji never halved.
        d.selectTab(kTabs, 1);
        d.click(kThemeFile);
        EXPECT_EQ(d.text(kThemeText), "D:\\A\\(ab.txt)");
        d.click(kThemeFile);
        EXPECT_EQ(d.text(kThemeText), "D:\\データ\\(あいう)");
        d.click(kThemeFile);
        EXPECT_EQ(d.text(kThemeText), "D:\\データ\\(あいう)") << "a path without a folder changes nothing";
        d.selectTab(kTabs, 0);
        d.click(kFile1);
        EXPECT_EQ(d.text(kText1), "c:\\ＤＡＴＡ\\ab.txt") << "only ASCII letters are lowered";
        // The chosen text switches the row's on box free.
        d.click(kOn1);
        EXPECT_TRUE(d.isChecked(kOn1));
        d.click(vd::IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), vd::IDOK);
    ASSERT_EQ(script->fileDialogs().size(), 7u);
    for (const auto& asked : script->fileDialogs()) {
        EXPECT_TRUE(asked.open);
        EXPECT_EQ(asked.filter, "txt files (*.txt)|*.txt|All files (*.*)|*.*||");
        EXPECT_EQ(asked.defaultExt, "txt");
        EXPECT_EQ(asked.initialName, "*.txt");
        EXPECT_EQ(asked.flags, vd::OFN_FILEMUSTEXIST);
    }
    EXPECT_EQ(script->beeps(), 7);
    EXPECT_EQ(dialog.image.rowText[0], "D:\\DATA\\N03\\(N03-01_a)");
    EXPECT_EQ(dialog.image.rowText[1], "c:\\ＤＡＴＡ\\ab.txt");
    EXPECT_EQ(dialog.image.rowOn[1], 1);
    EXPECT_EQ(dialog.image.themeText[0], "D:\\データ\\(あいう)");
}

TEST_F(TabbedSettings, OkStoresTypedLinuxPathsInTheProgramsFormAndOneTheme)
{
    TestContainer dialog(FilledImage());
    dialog.SetSingleTheme(true);
    script->answerDialog(kContainer, [&](vd::DialogDriver& d) {
        d.selectTab(kTabs, 2);
        d.setText(kThemeText, "/srv/ksj/A13/(A13-01)");
        d.click(kThemeOn);
        EXPECT_TRUE(d.isChecked(kThemeOn));
        d.click(1104);
        // A plain box only toggles its value; it switches nothing on.
        d.click(kMeshOnly);
        d.click(kMeshOnly);
        d.click(kMeshOnly);
        EXPECT_TRUE(d.isChecked(kMeshOnly));
        d.click(vd::IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), vd::IDOK);
    EXPECT_EQ(dialog.image.themeText[1], "Z:\\srv\\ksj\\A13\\(A13-01)");
    EXPECT_EQ(dialog.image.themeItem[1], 1);
    EXPECT_EQ(dialog.image.themeMeshOnly[1], 1);
    EXPECT_EQ(dialog.image.themeOn[1], 1) << "the current tab's theme keeps its on value";
    EXPECT_EQ(dialog.image.themeOn[0], 0) << "every other theme is switched off";
    EXPECT_EQ(dialog.image.themeItem[0], 2);
    EXPECT_EQ(dialog.image.rowText[0], "D:\\KSJ\\A10\\(A10-01_a)") << "a Windows-form text passes as typed";
}

TEST_F(TabbedSettings, CancelActsAsOkForSettingsJustLoadedFromTheFile)
{
    TestContainer loaded(FilledImage());
    loaded.m_strSelectMarker = "-1";
    script->answerDialog(kContainer, [&](vd::DialogDriver& d) {
        d.click(kFill0);
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(loaded.DoModal(), vd::IDOK);
    EXPECT_EQ(loaded.image.rowFill[0], 1);

    TestContainer escaped(FilledImage());
    escaped.m_strSelectMarker = "-1";
    script->answerDialog(kContainer, [&](vd::DialogDriver& d) {
        d.click(kFill0);
        d.pressEscape();
    });
    EXPECT_EQ(escaped.DoModal(), vd::IDOK);
    EXPECT_EQ(escaped.image.rowFill[0], 1);

    TestContainer held(FilledImage());
    script->answerDialog(kContainer, [&](vd::DialogDriver& d) {
        d.click(kFill0);
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(held.DoModal(), vd::IDCANCEL);
    EXPECT_EQ(held.image.rowFill[0], 0);
}
