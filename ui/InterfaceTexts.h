// The fixed texts of the two dialogs, written once here in UTF-8. They enter
// the program through Sjis() or the list functions below, which give the
// Shift-JIS bytes that the program holds and the toolkit shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rv17 {

namespace texts {

// Main dialog.
inline constexpr std::string_view kMainCaption = "rv17_ソリッド→ハッチ線";
inline constexpr std::string_view kFontName = "ＭＳ ゴシック";
inline constexpr std::string_view kIntervalLabel = "間隔(図寸)：";
inline constexpr std::string_view kRealSizeIntervalLabel = "間隔(実寸)：";
inline constexpr std::string_view kRealSize = "実寸(&J)";
inline constexpr std::string_view kAngleLabel = "角度( ° )：";
inline constexpr std::string_view kColourLabel = "線色：";
inline constexpr std::string_view kLineTypeLabel = "線種：";
inline constexpr std::string_view kWidthLabel = "線幅：";
inline constexpr std::string_view kEditButton = "編集";
inline constexpr std::string_view kRecolourNumbered =
    "線色1～8のソリッド図形も上記線色でハッチする";
inline constexpr std::string_view kRecolourSxf = "SXF線色のソリッド図形も上記線色でハッチする";
inline constexpr std::string_view kJoinTouching = "接する・重なるソリッドの線をつなぐ(&T)";
inline constexpr std::string_view kStatusDesignText = "Label3";
inline constexpr std::string_view kOk = "ＯＫ(&Y)";
inline constexpr std::string_view kCancel = "キャンセル(&N)";
// Two lines, so that the button fits right of the three edit buttons.
inline constexpr std::string_view kPreviewButton = "プレビュー\r\n(&P)";

// Preview pane: what it shows instead of hatch lines for a value OK refuses.
inline constexpr std::string_view kPreviewIntervalRefused = "間隔は0.01～100で指定して下さい";
inline constexpr std::string_view kPreviewWidthRefused = "線幅は-1～30000で指定して下さい";
// ... and instead of a hatch too large to hold or to draw.
inline constexpr std::string_view kPreviewTooLarge = "大きすぎてプレビューできません";
inline constexpr std::string_view kPreviewTooManySegments =
    "ハッチ線が多すぎるためプレビューしません";

// What the interval means on a drawing not at 1/1:
// "S=1/100　図寸 1 mm ＝ 実寸 100 mm"; and the number of hatch segments OK writes.
inline constexpr std::string_view kScalePrefix = "S=1/";
inline constexpr std::string_view kPaperPrefix = "　図寸 ";
inline constexpr std::string_view kRealPrefix = " mm ＝ 実寸 ";
inline constexpr std::string_view kMillimetres = " mm";
// The same on the status line: "S=1/100 図寸1＝実寸100mm".
inline constexpr std::string_view kShortPaperPrefix = " 図寸";
inline constexpr std::string_view kShortRealPrefix = "＝実寸";
inline constexpr std::string_view kShortMillimetres = "mm";
inline constexpr std::string_view kSegmentCountPrefix = "ハッチ線 ";
inline constexpr std::string_view kSegmentCountSuffix = "本";
inline constexpr std::string_view kNoteSeparator = "　";

// Status line.
inline constexpr std::string_view kSolidCountPrefix = "選択ソリッド図形数：";
inline constexpr std::string_view kNoSolids = "ソリッド図形が選択されていません";
inline constexpr std::string_view kSweepTooLarge = "ハッチ線が多すぎます。間隔を大きくして下さい";
inline constexpr std::string_view kExtentRefused =
    "図形の範囲が大きすぎてハッチングできません（間隔では解決できません）";
inline constexpr std::string_view kReferenceTooFar =
    "基準点が図形から離れすぎているためハッチングできません";

// A file that could not be written: "<file> に書き込めませんでした（<reason>）。" and
// what that means for the user.
inline constexpr std::string_view kCannotWrite = " に書き込めませんでした（";
inline constexpr std::string_view kDrawingUnchanged = "）。図面は変更されません。";
inline constexpr std::string_view kSettingsNotSaved = "）。今回の設定は保存されません。";
inline constexpr std::string_view kReadOnlyFile = "ファイルが読み取り専用です";
inline constexpr std::string_view kAccessDenied = "ファイルへのアクセスが拒否されました";
inline constexpr std::string_view kFolderNotWritable = "フォルダに書き込む権限がありません";
inline constexpr std::string_view kDiskFull = "ディスクの空き容量が足りません";
inline constexpr std::string_view kFileInUse = "ファイルが他のプログラムで使用中です";
inline constexpr std::string_view kWriteProtected = "ディスクが書き込み禁止です";
inline constexpr std::string_view kUnexpectedError = "予期しないエラー：コード ";  // then the code

// A file that could not be read whole: "<file> を読み込めませんでした（<reason>）。"
// and kDrawingUnchanged; the reasons not listed here are those of a failed save.
inline constexpr std::string_view kCannotRead = " を読み込めませんでした（";
inline constexpr std::string_view kMemoryShort = "メモリが足りません";
inline constexpr std::string_view kReadError = "ディスクから読み込めませんでした";

// Memory ran out while OK made the output; a larger interval may still work.
inline constexpr std::string_view kConversionOutOfMemory =
    "メモリが足りないため変換できませんでした。図面は変更されません。";
// The program ends on a failure that nothing in the dialog could handle.
inline constexpr std::string_view kEndedOutOfMemory =
    "メモリが足りないため終了します。図面は変更されません。";
inline constexpr std::string_view kEndedUnexpectedly =
    "予期しないエラーのため終了します。図面は変更されません。";

// Preset list editor.
inline constexpr std::string_view kEditorDesignCaption = "Form2";
inline constexpr std::string_view kIntervalEditorCaption = "間隔 一覧編集";
inline constexpr std::string_view kAngleEditorCaption = "角度 一覧編集";
inline constexpr std::string_view kWidthEditorCaption = "線幅 一覧編集";
inline constexpr std::string_view kAdd = "追加(&A)";
inline constexpr std::string_view kInsert = "挿入(&I)";
inline constexpr std::string_view kUp = "上へ(&U)";
inline constexpr std::string_view kDown = "下へ(&D)";
inline constexpr std::string_view kDelete = "削除(&E)";
inline constexpr std::string_view kEditorOk = "ＯＫ(&Y)";
inline constexpr std::string_view kEditorCancel = "ｷｬﾝｾﾙ(&N)";

}  // namespace texts

inline constexpr int kColourEntryCount = 266;
inline constexpr int kLineTypeEntryCount = 51;
inline constexpr int kNotesLineCount = 79;

// A fixed interface text in the program's Shift-JIS.
std::string Sjis(std::string_view utf8);

// The entries of the colour list (ComboBox3) and of the line-type list
// (ComboBox4) in list order, and the lines of the notes panel, in Shift-JIS.
std::vector<std::string> ColourListEntries();
std::vector<std::string> LineTypeListEntries();
std::vector<std::string> NotesLines();

}  // namespace rv17
