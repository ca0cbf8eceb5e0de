#pragma once
// What the settings dialog tests share: a document built on the built libraries with a scripted
// user interface, a count of its redraw requests, and the profile read back as key/value pairs.
#include "app/document/VeldoranDoc.h"
#include "tests/app/doc/DocumentTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace settingstest {

using namespace doctest;

// Every "section/key" of the profile with its value.
inline std::map<std::string, std::string> ProfileValues()
{
    QSettings settings(QString::fromStdString(ProfileFile().string()), QSettings::IniFormat);
    std::map<std::string, std::string> values;
    for (const QString& key : settings.allKeys())
        values[key.toLower().toStdString()] = settings.value(key).toString().toStdString();
    return values;
}

// The keys whose values differ between two snapshots (added or removed keys too).
inline std::set<std::string> ChangedKeys(const std::map<std::string, std::string>& before,
                                         const std::map<std::string, std::string>& after)
{
    std::set<std::string> changed;
    for (const auto& [key, value] : after)
        if (auto it = before.find(key); it == before.end() || it->second != value)
            changed.insert(key);
    for (const auto& [key, value] : before)
        if (!after.count(key))
            changed.insert(key);
    return changed;
}

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        UseBuiltLibraries();
        InstallFakeEditor();
        doc = std::make_unique<CVeldoranDoc>();
        doc->repaint.m_fnUpdateAllViews = [this] { ++updates; };
        app = doc->folders.m_strAppDir;
    }
    std::shared_ptr<vd::ui::Script> script;
    std::unique_ptr<CVeldoranDoc> doc;
    std::string app;
    int updates = 0;
    vd::ProfileStore profile;
};

} // namespace settingstest
