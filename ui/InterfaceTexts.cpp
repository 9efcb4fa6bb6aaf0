// The colour and line-type lists and the notes panel, built from their UTF-8 tables.
#include "ui/InterfaceTexts.h"

#include <array>
#include <string>

#include "ui/ShiftJis.h"

namespace rv17 {

namespace {

constexpr std::array<std::string_view, 16> kSxfColourNames{
    "SXF/黒色",   "SXF/赤色",   "SXF/緑色",   "SXF/青色",   "SXF/黄色", "SXF/紫色",
    "SXF/水色",   "SXF/白色",   "SXF/濃紫色", "SXF/茶色",   "SXF/橙色", "SXF/明緑色",
    "SXF/明青色", "SXF/薄紫色", "SXF/明灰色", "SXF/暗灰色",
};

constexpr std::array<std::string_view, 9> kPlainLineTypeNames{
    "実線",      "点線1",     "点線2",     "点線3",    "一点鎖線1",
    "一点鎖線2", "二点鎖線1", "二点鎖線2", "補助線種",
};

constexpr std::array<std::string_view, 16> kSxfLineTypeNames{
    "SXF/実線",         "SXF/破線",       "SXF/跳び破線",     "SXF/一点長鎖線",
    "SXF/二点長鎖線",   "SXF/三点長鎖線", "SXF/点線",         "SXF/一点鎖線",
    "SXF/二点鎖線",     "SXF/一点短鎖線", "SXF/一点二短鎖線", "SXF/二点短鎖線",
    "SXF/二点二短鎖線", "SXF/三点短鎖線", "SXF/三点二短鎖線", "SXF/(予約)",
};

constexpr std::array<std::string_view, kNotesLineCount> kNotes{
    "選択したソリッド図形",
    "（三角形・四角形・円形の",
    "　ソリッド図形、",
    "　線形・円周を除く）を",
    "ハッチング線に変換します。",
    "　",
    "線や円弧等を選択した場合",
    "線幅が「標準幅(0)」から",
    "その特定の線幅値に変更",
    "されてしまいますので",
    "ソリッド図形だけを",
    "属性選択するように",
    "して下さい。",
    "　",
    "ハッチング間隔を図寸mm",
    "で指定して下さい。",
    "（入力範囲：0.01～100）",
    "ソリッド図形に対して",
    "大きすぎる値を指定すると",
    "線は作図されなくなります。",
    "小さすぎる値を指定すると",
    "処理速度が遅くなります",
    "ので御注意下さい。",
    "　",
    "ハッチング角度を[°]単位",
    "で指定して下さい。",
    "度分秒入力等はありません。",
    "　",
    "任意色のソリッド図形は",
    "指定した線色のハッチング",
    "線に変換します。",
    "　",
    "線色1～9のソリッド図形は",
    "特に指定しない限り、同じ",
    "線色1～9のハッチング線に",
    "変換します。",
    "また、",
    "SXF線色のソリッド図形も",
    "特に指定しない限り、同じ",
    "SXF線色のハッチング線に",
    "変換します。",
    "（指定した線色に変換する",
    "　場合は",
    "□線色1～8のソリッド図形",
    "　も上記線色でハッチする",
    "□SXF線色のソリッド図形",
    "　も上記線色でハッチする",
    "　にチェックして下さい）",
    "※線色9（補助線色）の",
    "　ソリッド図形はそのまま",
    "　線色9のハッチング線",
    "　となります。",
    "　",
    "◆現在のレイヤグループ",
    "　・レイヤに作図します",
    "◆線幅に-1を指定すると",
    "　現在の線幅指示",
    "　0～30000まで指示可能",
    "　但し外部変形では",
    "　最大5000の様子です",
    "　1/100mm単位入力",
    "　",
    "◆ソリッドのエッジ付近の",
    "　細かい部分でハッチング",
    "　線が作図されない場合が",
    "　有り得ますので注意",
    "◆ソリッド図形が多い程",
    "　速度が遅くなりますので",
    "　注意して下さい。",
    "　",
    "◆ブロック図形内のもの",
    "　は処理出来ませんので",
    "　御注意下さい。",
    "　ブロック編集内で行う",
    "　場合には、本ソフトを",
    "　Jw_cadのインストール・",
    "　フォルダに配置して",
    "　実行を行う必要がある",
    "　場合があります。",
};

// Appends "<prefix><first>" ... "<prefix><last>" in ascending order.
void AddNumbered(std::vector<std::string>& entries, std::string_view prefixUtf8, int first,
                 int last) {
    const std::string prefix = Sjis(prefixUtf8);
    for (int number = first; number <= last; ++number)
        entries.push_back(prefix + std::to_string(number));
}

}  // namespace

std::string Sjis(std::string_view utf8) { return Utf8ToShiftJis(utf8); }

std::vector<std::string> ColourListEntries() {
    std::vector<std::string> entries;
    entries.reserve(kColourEntryCount);
    entries.push_back(Sjis("現在線色"));
    AddNumbered(entries, "線色", 1, 8);
    entries.push_back(Sjis("補助線色"));
    for (const auto name : kSxfColourNames) entries.push_back(Sjis(name));
    AddNumbered(entries, "SXF-", 17, 256);
    return entries;
}

std::vector<std::string> LineTypeListEntries() {
    std::vector<std::string> entries;
    entries.reserve(kLineTypeEntryCount);
    entries.push_back(Sjis("現在線種"));
    for (const auto name : kPlainLineTypeNames) entries.push_back(Sjis(name));
    AddNumbered(entries, "ランダム線", 1, 5);
    AddNumbered(entries, "倍長線種", 1, 4);
    for (const auto name : kSxfLineTypeNames) entries.push_back(Sjis(name));
    AddNumbered(entries, "SXF-", 17, 32);
    return entries;
}

std::vector<std::string> NotesLines() {
    std::vector<std::string> lines;
    lines.reserve(kNotes.size());
    for (const auto line : kNotes) lines.push_back(Sjis(line));
    return lines;
}

}  // namespace rv17
