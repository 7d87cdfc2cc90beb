#pragma once
// Failures that carry the framework's standard message texts. Messages are UTF-8;
// ANSI parts (file values) are converted when the message is built.
#include <stdexcept>
#include <string>

namespace platform {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "'%s' is not a valid integer value" and its floating-point twin.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// "Cannot open file %s"
class EFOpenError : public Exception {
public:
    explicit EFOpenError(const std::string& path);
};

// "List index out of bounds"
class EListError : public Exception {
public:
    EListError();
};

// "Unable to write to %s"
class EIniFileException : public Exception {
public:
    explicit EIniFileException(const std::string& path);
};

} // namespace platform
