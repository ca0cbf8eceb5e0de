// Qt's own dialog texts in Japanese once the translations are installed at start.
#include "platform/ui/QtTranslations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

#include <gtest/gtest.h>

TEST(QtTranslations, QtsOwnButtonsSpeakJapaneseWhenTheTranslationsAreInstalled)
{
    const bool installed =
        QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    EXPECT_EQ(vd::ui::installQtJapanese(), installed);
    if (!installed)
        GTEST_SKIP() << "qt6-translations-l10n is not installed (scripts/setup.sh installs it)";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
}
