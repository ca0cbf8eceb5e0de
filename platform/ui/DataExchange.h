#pragma once
// Dialog data exchange: moving member values into the controls (UpdateData(false)) and back with
// validation (UpdateData(true)). A field that does not validate shows the standard message,
// takes the focus and keeps the dialog open.
#include <string>

namespace vd {

class Dialog;
class Window;

// Thrown by DataExchange::Fail and caught by Dialog::UpdateData.
struct DataExchangeFailure {};

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate);
    bool m_bSaveAndValidate;
    Dialog* m_pDlgWnd;
    // The control the last exchange used (the one that takes the focus on failure).
    int lastControl = 0;
    // Reports a validation failure: the exchange stops and UpdateData returns false.
    [[noreturn]] void Fail();
};

// The standard messages.
inline constexpr const char* kParseIntMessage = "整数を入力してください。";
inline constexpr const char* kParseRealMessage = "数値を入力してください。";
// "%1" and "%2" are the bounds.
inline constexpr const char* kIntRangeMessage = "%1 から %2 までの整数を入力してください。";
inline constexpr const char* kRealRangeMessage = "%1 から %2 までの数値を入力してください。";
inline constexpr const char* kMaxCharsMessage = "%1 文字以内で入力してください。";

void DDX_Text(DataExchange& dx, int id, std::string& value);
void DDX_Text(DataExchange& dx, int id, int& value);
void DDX_Text(DataExchange& dx, int id, double& value);
void DDX_Check(DataExchange& dx, int id, int& value);
// id is the first radio button of a group; value is the index of the checked one, -1 none.
void DDX_Radio(DataExchange& dx, int id, int& value);
void DDX_CBIndex(DataExchange& dx, int id, int& index);
void DDX_CBString(DataExchange& dx, int id, std::string& value);
void DDX_CBStringExact(DataExchange& dx, int id, std::string& value);
void DDX_LBIndex(DataExchange& dx, int id, int& index);
void DDX_LBString(DataExchange& dx, int id, std::string& value);
// Binds a control object (a tab control member, an owner-drawn combo) to the control.
void DDX_Control(DataExchange& dx, int id, Window& control);

void DDV_MinMaxInt(DataExchange& dx, int value, int minValue, int maxValue);
void DDV_MinMaxDouble(DataExchange& dx, double value, double minValue, double maxValue);
// The limit is in CP932 bytes, as the old platform counted.
void DDV_MaxChars(DataExchange& dx, const std::string& value, int maxBytes);

} // namespace vd
