// A dialog opened inside a call into a loaded library is answered by the script like any other.
#include "platform/sys/LibraryLoader.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

using namespace vd;

using OnFakeAreaSelect_fn = std::string(std::string);

TEST(UiLibrary, ScriptAnswersADialogInsideALoadedLibrary)
{
    auto script = ui::Script::install();
    ASSERT_TRUE(LibraryLoader::setOverride("Pelmora.DLL", VD_FAKE_DIALOG_LIBRARY));
    auto* call = entryPoint<OnFakeAreaSelect_fn>("Pelmora.DLL", "OnFakeAreaSelect");
    ASSERT_NE(call, nullptr);
    script->answerDialog("FakeLibrary", 147, [](DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  地域選択（国土数値情報データを表示する都道府県）");
        EXPECT_TRUE(d.isChecked(1484) == false);
        d.click(1485);
        d.click(IDOK);
    });
    script->answerDialog(147, [](DialogDriver& d) { d.click(IDCANCEL); });
    EXPECT_EQ(call("1"), "1|1|");
    EXPECT_EQ(call("1"), "");
    EXPECT_EQ(script->dialogsRun(), (std::vector<int>{147, 147}));
    EXPECT_EQ(ui::currentModule(), ui::kProgramModule) << "the call restored the program's module";
}
