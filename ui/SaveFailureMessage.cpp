// Builds the messages of a failed save or read from the interface texts.
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

std::string ReadReasonText(const std::error_code& error) {
    if (error == std::errc::not_enough_memory) return std::string(texts::kMemoryShort);
    if (error == std::errc::io_error) return std::string(texts::kReadError);
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return std::string(texts::kAccessDenied);
    if (error == std::errc::device_or_resource_busy) return std::string(texts::kFileInUse);
    return std::string(texts::kUnexpectedError) + std::to_string(error.value());
}

std::string FileName(const std::filesystem::path& file) {
    const std::u8string name = file.filename().u8string();
    return std::string(name.begin(), name.end());
}

}  // namespace

std::string ReadFailureMessage(const std::filesystem::path& file, const std::error_code& error) {
    return Sjis(FileName(file) + std::string(texts::kCannotRead) + ReadReasonText(error) +
                std::string(texts::kDrawingUnchanged));
}

std::string SaveFailureMessage(const std::filesystem::path& file, const std::error_code& error,
                               UnsavedFile which) {
    std::string message = FileName(file);
    message += texts::kCannotWrite;
    message += ReasonText(error, file);
    message +=
        which == UnsavedFile::ExchangeFile ? texts::kDrawingUnchanged : texts::kSettingsNotSaved;
    return Sjis(message);
}

}  // namespace rv17
