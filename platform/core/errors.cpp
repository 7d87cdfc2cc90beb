#include "platform/core/errors.h"

namespace platform {

EFOpenError::EFOpenError(const std::string& path)
    : Exception("Cannot open file " + path)
{
}

EListError::EListError()
    : Exception("List index out of bounds")
{
}

EIniFileException::EIniFileException(const std::string& path)
    : Exception("Unable to write to " + path)
{
}

} // namespace platform
