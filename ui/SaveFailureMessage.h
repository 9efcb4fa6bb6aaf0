// The texts of the message boxes that tell the user a file could not be written
// or read.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace rv17 {

// What the failure means for the user, said at the end of the message.
enum class UnsavedFile {
    ExchangeFile,  // the host keeps the drawing as it was
    SettingsFile,  // this run's settings are lost
};

// In Shift-JIS: the file's name, the reason sorted from the error the save
// met ("JWC_TEMP.TXT に書き込めませんでした（ファイルが読み取り専用です）。図面は
// 変更されません。"), and what it means.
std::string SaveFailureMessage(const std::filesystem::path& file, const std::error_code& error,
                               UnsavedFile which);

// In Shift-JIS: the host's file could not be read whole, why ("JWC_TEMP.TXT を
// 読み込めませんでした（メモリが足りません）。図面は変更されません。"), and that the
// drawing stays as it is.
std::string ReadFailureMessage(const std::filesystem::path& file, const std::error_code& error);

}  // namespace rv17
