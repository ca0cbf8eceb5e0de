// OnZenkakuToHankaku: the full-width hiragana reading of a place name as half-width katakana, for
// the search result files. The text is taken two CP932 bytes at a time, as the old tables were
// written: a unit outside the table (katakana, kanji, small つ, a pair shifted by a single-byte
// character) becomes one half-width blank, and an odd last byte is dropped.
#include "contracts/dovanne.h"

#include "platform/text/Cp932.h"

#include <string_view>
#include <unordered_map>

namespace {

const std::unordered_map<std::string_view, std::string_view>& HalfWidthKana()
{
    static const std::unordered_map<std::string_view, std::string_view> table = {
        {"あ", "ｱ"},  {"い", "ｲ"},  {"う", "ｳ"},  {"え", "ｴ"},  {"お", "ｵ"},  {"ぃ", "ｨ"},  {"ぇ", "ｪ"},
        {"か", "ｶ"},  {"き", "ｷ"},  {"く", "ｸ"},  {"け", "ｹ"},  {"こ", "ｺ"},  {"が", "ｶﾞ"}, {"ぎ", "ｷﾞ"},
        {"ぐ", "ｸﾞ"}, {"げ", "ｹﾞ"}, {"ご", "ｺﾞ"}, {"さ", "ｻ"},  {"し", "ｼ"},  {"す", "ｽ"},  {"せ", "ｾ"},
        {"そ", "ｿ"},  {"ざ", "ｻﾞ"}, {"じ", "ｼﾞ"}, {"ず", "ｽﾞ"}, {"ぜ", "ｾﾞ"}, {"ぞ", "ｿﾞ"}, {"た", "ﾀ"},
        {"ち", "ﾁ"},  {"つ", "ﾂ"},  {"て", "ﾃ"},  {"と", "ﾄ"},  {"だ", "ﾀﾞ"}, {"ぢ", "ﾁﾞ"}, {"づ", "ﾂﾞ"},
        {"で", "ﾃﾞ"}, {"ど", "ﾄﾞ"}, {"な", "ﾅ"},  {"に", "ﾆ"},  {"ぬ", "ﾇ"},  {"ね", "ﾈ"},  {"の", "ﾉ"},
        {"は", "ﾊ"},  {"ひ", "ﾋ"},  {"ふ", "ﾌ"},  {"へ", "ﾍ"},  {"ほ", "ﾎ"},  {"ば", "ﾊﾞ"}, {"び", "ﾋﾞ"},
        {"ぶ", "ﾌﾞ"}, {"べ", "ﾍﾞ"}, {"ぼ", "ﾎﾞ"}, {"ぱ", "ﾊﾟ"}, {"ぴ", "ﾋﾟ"}, {"ぷ", "ﾌﾟ"}, {"ぺ", "ﾍﾟ"},
        {"ぽ", "ﾎﾟ"}, {"ま", "ﾏ"},  {"み", "ﾐ"},  {"む", "ﾑ"},  {"め", "ﾒ"},  {"も", "ﾓ"},  {"や", "ﾔ"},
        {"ゃ", "ｬ"},  {"ゆ", "ﾕ"},  {"ゅ", "ｭ"},  {"よ", "ﾖ"},  {"ょ", "ｮ"},  {"ら", "ﾗ"},  {"り", "ﾘ"},
        {"る", "ﾙ"},  {"れ", "ﾚ"},  {"ろ", "ﾛ"},  {"わ", "ﾜ"},  {"ん", "ﾝ"},  {"ー", "ｰ"}};
    return table;
}

} // namespace

extern "C" std::string OnZenkakuToHankaku(std::string text)
{
    try {
        const std::string bytes = vd::utf8ToCp932(text);
        const auto& table = HalfWidthKana();
        std::string result;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const std::string unit = vd::cp932ToUtf8(std::string_view(bytes).substr(i, 2));
            const auto found = table.find(unit);
            result += found == table.end() ? std::string_view(" ") : found->second;
        }
        return result;
    } catch (...) {
        return {};
    }
}
