#pragma once
// The strings in which the settings dialogs answer the program and take its settings back:
// fields each followed by "|", integers first ("%d|"), then texts. No escaping, no counts: both
// sides know the fields of each entry point. An empty answer means the user cancelled.
#include <string>
#include <string_view>
#include <vector>

class BarDelimitedWriter {
public:
    void addInt(int value);
    void addText(std::string_view text);
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

class BarDelimitedReader {
public:
    // Fields closed by "|", or by another separator (the "#" section of the industry-mesh answer).
    explicit BarDelimitedReader(std::string_view text, char separator = '|') : rest_(text), separator_(separator) {}

    // The text before the next separator, the reading going on after it. When none is left, the
    // field is empty and the unclosed rest stays unread.
    std::string nextText();
    // The next field read with the leading-digits rule: an empty field is 0.
    int nextInt();
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
    char separator_;
};

// The integer settings that the program hands a settings dialog: either the integers the dialog
// returned last time, or "-1" when the program holds none yet (the dialog then reads its
// settings file); either may be followed by "/" and a caller mark.
struct IntegerSettingsInput {
    bool callerMark = false;       // a "/" was present; the text after it is not examined
    bool fromSettingsFile = false; // the input was "-1": the values are 0, the file supplies them
    std::vector<int> values;       // exactly `count` values; fields missing from the input are 0
};

IntegerSettingsInput ParseIntegerSettingsInput(std::string_view input, int count);

// A typed text as one field of an answer: a "|" in it would end the field early and shift every
// later one, so it is kept as "｜".
std::string BarSafeText(std::string_view text);
// The same for a text that also travels in one of the program's "/"-joined inputs: "/" would
// split it there, so it is kept as "／" as well.
std::string FieldSafeText(std::string_view text);
