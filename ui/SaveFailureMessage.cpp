// Builds the message of a failed save from the interface texts.
#include "ui/SaveFailureMessage.h"

#include <string_view>

#include "exchange/SaveFailure.h"
#include "ui/InterfaceTexts.h"

namespace rv17 {

namespace {

std::string ReasonText(const std::error_code& error, const std::filesystem::path& file) {
    switch (ClassifySaveFailure(error, file)) {
        case SaveFailureReason::ReadOnlyFile:
            return std::string(texts::kReadOnlyFile);
        case SaveFailureReason::AccessDenied:
            return std::string(texts::kAccessDenied);
        case SaveFailureReason::FolderNotWritable:
            return std::string(texts::kFolderNotWritable);
        case SaveFailureReason::DiskFull:
            return std::string(texts::kDiskFull);
        case SaveFailureReason::FileInUse:
            return std::string(texts::kFileInUse);
        case SaveFailureReason::WriteProtected:
            return std::string(texts::kWriteProtected);
        case SaveFailureReason::Other:
            break;
    }
    // The code lets whoever helps the user look the cause up.
    return std::string(texts::kUnexpectedError) + std::to_string(error.value());
}

}  // namespace

std::string SaveFailureMessage(const std::filesystem::path& file, const std::error_code& error,
                               UnsavedFile which) {
    const std::u8string name = file.filename().u8string();
    std::string message(name.begin(), name.end());
    message += texts::kCannotWrite;
    message += ReasonText(error, file);
    message +=
        which == UnsavedFile::ExchangeFile ? texts::kDrawingUnchanged : texts::kSettingsNotSaved;
    return Sjis(message);
}

}  // namespace rv17
