#pragma once
// Guards the rewrite of a layer settings file (DddPFile.dat, DddMFile.dat, ...) around its dialog.
// A file that exists but cannot be read is reported when the dialog opens and is never rewritten:
// its rows were not read, so a rewrite would replace the user's rows with the built-in ones. A
// rewrite that fails is reported by the file's name; the old file stays whole.
#include <functional>
#include <string>

class SettingsFileAccess {
public:
    // Looks at the file now and reports it when it cannot be read.
    explicit SettingsFileAccess(std::string path);

    bool unreadable() const { return unreadable_; }

    // Runs `write` unless the file could not be read; a write that returns false is reported.
    // True when the file was written.
    bool rewrite(const std::function<bool(const std::string&)>& write) const;

private:
    std::string path_;
    bool unreadable_ = false;
};

// The messages, for the tests that answer them.
std::string UnreadableSettingsFileMessage(const std::string& path);
std::string UnwritableSettingsFileMessage(const std::string& path);
