// The portable part of sorting save failures: errno values.
#include "exchange/SaveFailure.h"

namespace rv17 {

SaveFailureReason ClassifySaveFailure(const std::error_code& error,
                                      const std::filesystem::path& target) noexcept {
    if (error.category() == std::generic_category()) return ClassifyErrno(error.value());
    if (error.category() == std::system_category())
        return ClassifySystemError(error.value(), target);
    return SaveFailureReason::Other;
}

// The writer meets errno when it creates, writes and flushes its temporary
// file beside the target, so a refusal there is the folder's.
SaveFailureReason ClassifyErrno(int code) noexcept {
    switch (static_cast<std::errc>(code)) {
        case std::errc::permission_denied:
        case std::errc::operation_not_permitted:
            return SaveFailureReason::FolderNotWritable;
        case std::errc::no_space_on_device:
        case std::errc::file_too_large:
            return SaveFailureReason::DiskFull;
        case std::errc::read_only_file_system:
            return SaveFailureReason::WriteProtected;
        case std::errc::text_file_busy:
        case std::errc::device_or_resource_busy:
            return SaveFailureReason::FileInUse;
        default:
            return SaveFailureReason::Other;
    }
}

}  // namespace rv17
