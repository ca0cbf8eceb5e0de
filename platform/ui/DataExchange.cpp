#include "platform/ui/DataExchange.h"

#include "platform/text/Cp932.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogImpl.h"
#include "platform/ui/Ui.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace vd {

namespace {

std::string withBounds(std::string text, const std::string& low, const std::string& high)
{
    if (const auto p = text.find("%1"); p != std::string::npos)
        text.replace(p, 2, low);
    if (const auto p = text.find("%2"); p != std::string::npos)
        text.replace(p, 2, high);
    return text;
}

[[noreturn]] void failWith(DataExchange& dx, const std::string& message)
{
    ui::AfxMessageBox(message, MB_ICONEXCLAMATION);
    dx.Fail();
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// An integer as the old class library read it: blanks, a sign, digits, then only blanks.
bool parseInt(const std::string& text, int& value)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    const size_t digits = i;
    long long v = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        v = v * 10 + (text[i++] - '0');
        if (v > 2147483648LL)
            return false;
    }
    if (i == digits)
        return false;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i != text.size())
        return false;
    v = negative ? -v : v;
    if (v > 2147483647LL)
        return false;
    value = static_cast<int>(v);
    return true;
}

bool parseDouble(const std::string& text, double& value)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(begin, &end);
    if (end == begin || errno == ERANGE)
        return false;
    while (*end && isBlank(*end))
        ++end;
    if (*end)
        return false;
    value = v;
    return true;
}

std::string formatDouble(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

Window* controlFor(DataExchange& dx, int id)
{
    dx.lastControl = id;
    return dx.m_pDlgWnd->GetDlgItem(id);
}

// The shape of every exchange: the control of the id as its kind (nothing when it is missing or
// of another kind), then either saving from it or loading into it.
template <class Control, class Save, class Load>
void exchange(DataExchange& dx, int id, Save save, Load load)
{
    auto* control = dynamic_cast<Control*>(controlFor(dx, id));
    if (!control)
        return;
    if (dx.m_bSaveAndValidate)
        save(*control);
    else
        load(*control);
}

// A number in a text field: shown formatted, read back only when it parses, else the message.
template <class Number>
void exchangeNumber(DataExchange& dx, int id, Number& value, bool (*parse)(const std::string&, Number&),
                    std::string (*format)(Number), const char* message)
{
    exchange<Window>(
        dx, id,
        [&](Window& w) {
            Number parsed = 0;
            if (!parse(w.GetWindowText(), parsed))
                failWith(dx, message);
            value = parsed;
        },
        [&](Window& w) { w.SetWindowText(format(value)); });
}

std::string formatInt(int value)
{
    return std::to_string(value);
}

} // namespace

DataExchange::DataExchange(Dialog& dialog, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(&dialog)
{
}

void DataExchange::Fail()
{
    throw DataExchangeFailure{};
}

void DDX_Text(DataExchange& dx, int id, std::string& value)
{
    exchange<Window>(
        dx, id, [&](Window& w) { value = w.GetWindowText(); }, [&](Window& w) { w.SetWindowText(value); });
}

void DDX_Text(DataExchange& dx, int id, int& value)
{
    exchangeNumber(dx, id, value, parseInt, formatInt, kParseIntMessage);
}

void DDX_Text(DataExchange& dx, int id, double& value)
{
    exchangeNumber(dx, id, value, parseDouble, formatDouble, kParseRealMessage);
}

void DDX_Check(DataExchange& dx, int id, int& value)
{
    exchange<Button>(
        dx, id, [&](Button& b) { value = b.GetCheck(); }, [&](Button& b) { b.SetCheck(value); });
}

void DDX_Radio(DataExchange& dx, int id, int& value)
{
    Window* first = controlFor(dx, id);
    if (!first || !first->impl() || !first->impl()->dialog)
        return;
    const auto group = first->impl()->dialog->groupOf(*first->impl());
    if (dx.m_bSaveAndValidate) {
        value = -1;
        for (size_t i = 0; i < group.size(); ++i)
            if (auto* b = dynamic_cast<Button*>(handleOf(group[i])); b && b->GetCheck() == BST_CHECKED) {
                value = static_cast<int>(i);
                break;
            }
        return;
    }
    for (size_t i = 0; i < group.size(); ++i)
        if (auto* b = dynamic_cast<Button*>(handleOf(group[i])))
            b->SetCheck(static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_CBIndex(DataExchange& dx, int id, int& index)
{
    exchange<ComboBox>(
        dx, id, [&](ComboBox& c) { index = c.GetCurSel(); }, [&](ComboBox& c) { c.SetCurSel(index); });
}

namespace {

bool isDropList(const Window& w)
{
    return (w.GetStyle() & 0x3) == CBS_DROPDOWNLIST;
}

void loadComboText(ComboBox& c, const std::string& value, bool exact)
{
    const int found = exact ? c.FindStringExact(-1, value) : c.FindString(-1, value);
    if (found >= 0)
        c.SetCurSel(found);
    else if (!isDropList(c))
        c.SetWindowText(value);
    else
        c.SetCurSel(-1);
}

void exchangeComboText(DataExchange& dx, int id, std::string& value, bool exact)
{
    exchange<ComboBox>(
        dx, id, [&](ComboBox& c) { value = c.GetWindowText(); },
        [&](ComboBox& c) { loadComboText(c, value, exact); });
}

} // namespace

void DDX_CBString(DataExchange& dx, int id, std::string& value)
{
    exchangeComboText(dx, id, value, false);
}

void DDX_CBStringExact(DataExchange& dx, int id, std::string& value)
{
    exchangeComboText(dx, id, value, true);
}

void DDX_LBIndex(DataExchange& dx, int id, int& index)
{
    exchange<ListBox>(
        dx, id, [&](ListBox& l) { index = l.GetCurSel(); }, [&](ListBox& l) { l.SetCurSel(index); });
}

void DDX_LBString(DataExchange& dx, int id, std::string& value)
{
    exchange<ListBox>(
        dx, id,
        [&](ListBox& l) {
            const int sel = l.GetCurSel();
            value = sel >= 0 ? l.GetText(sel) : std::string();
        },
        [&](ListBox& l) { l.SetCurSel(l.FindString(-1, value)); });
}

void DDX_Control(DataExchange& dx, int id, Window& control)
{
    Window* w = controlFor(dx, id);
    if (!w || control.impl() == w->impl())
        return;
    dx.m_pDlgWnd->SubclassDlgItem(id, control);
}

void DDV_MinMaxInt(DataExchange& dx, int value, int minValue, int maxValue)
{
    if (dx.m_bSaveAndValidate && (value < minValue || value > maxValue))
        failWith(dx, withBounds(kIntRangeMessage, std::to_string(minValue), std::to_string(maxValue)));
}

void DDV_MinMaxDouble(DataExchange& dx, double value, double minValue, double maxValue)
{
    if (dx.m_bSaveAndValidate && (value < minValue || value > maxValue))
        failWith(dx, withBounds(kRealRangeMessage, formatDouble(minValue), formatDouble(maxValue)));
}

void DDV_MaxChars(DataExchange& dx, const std::string& value, int maxBytes)
{
    if (dx.m_bSaveAndValidate) {
        if (cp932Width(value) > maxBytes)
            failWith(dx, withBounds(kMaxCharsMessage, std::to_string(maxBytes), {}));
    } else if (auto* e = dynamic_cast<Edit*>(dx.m_pDlgWnd->GetDlgItem(dx.lastControl))) {
        e->SetLimitText(maxBytes);
    }
}

} // namespace vd
