// The message of a failed save: the file's name, the reason sorted from the
// error the writer returned (errno values, the same on every platform), and
// what the failure means for the user.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "ui/SaveFailureMessage.h"
#include "ui/ShiftJis.h"

namespace rv17 {

namespace {

struct MessageCase {
    std::errc error;
    const char* file;  // UTF-8
    UnsavedFile which;
    std::string expected;  // UTF-8
};

class SaveFailureMessages : public testing::TestWithParam<MessageCase> {};

TEST_P(SaveFailureMessages, NameTheFileTheReasonAndTheConsequence) {
    const MessageCase& c = GetParam();
    const auto file = std::filesystem::path(u8"C:/作業") /
                      std::filesystem::path(reinterpret_cast<const char8_t*>(c.file));
    const std::string message = SaveFailureMessage(file, std::make_error_code(c.error), c.which);
    EXPECT_EQ(ShiftJisToUtf8(message), c.expected);
}

const std::string kUnexpected =
    "予期しないエラー：コード " + std::to_string(static_cast<int>(std::errc::io_error));

INSTANTIATE_TEST_SUITE_P(
    Reasons, SaveFailureMessages,
    testing::Values(
        MessageCase{std::errc::no_space_on_device, "JWC_TEMP.TXT", UnsavedFile::ExchangeFile,
                    "JWC_TEMP.TXT に書き込めませんでした（ディスクの空き容量が足りません）。"
                    "図面は変更されません。"},
        // The writer creates its temporary file in the target's folder first.
        MessageCase{std::errc::permission_denied, "JWC_TEMP.TXT", UnsavedFile::ExchangeFile,
                    "JWC_TEMP.TXT に書き込めませんでした（フォルダに書き込む権限がありません）。"
                    "図面は変更されません。"},
        MessageCase{std::errc::operation_not_permitted, "rv17.dat", UnsavedFile::SettingsFile,
                    "rv17.dat に書き込めませんでした（フォルダに書き込む権限がありません）。"
                    "今回の設定は保存されません。"},
        MessageCase{std::errc::read_only_file_system, "rv17.dat", UnsavedFile::SettingsFile,
                    "rv17.dat に書き込めませんでした（ディスクが書き込み禁止です）。"
                    "今回の設定は保存されません。"},
        MessageCase{std::errc::text_file_busy, "JWC_TEMP.TXT", UnsavedFile::ExchangeFile,
                    "JWC_TEMP.TXT に書き込めませんでした（ファイルが他のプログラムで使用中です）。"
                    "図面は変更されません。"},
        // A program renamed by the user names its settings file after itself.
        MessageCase{std::errc::io_error, "ハッチ.dat", UnsavedFile::SettingsFile,
                    "ハッチ.dat に書き込めませんでした（" + kUnexpected +
                        "）。今回の設定は保存されません。"}));

}  // namespace

}  // namespace rv17
