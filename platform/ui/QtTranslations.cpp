#include "platform/ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vd::ui {

bool installQtJapanese()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    // Owned by the application, so it lives as long as the texts are looked up.
    auto* translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace vd::ui
