#pragma once
// The process-wide decimal separator of the user's locale. Start-up takes it from the
// system locale; tests set it explicitly so every test can run with "." and ",".

namespace platform {

char DecimalSeparator();
void SetDecimalSeparator(char separator);

// Sets the separator for the lifetime of the object, then restores the old one.
class ScopedDecimalSeparator {
public:
    explicit ScopedDecimalSeparator(char separator);
    ~ScopedDecimalSeparator();
    ScopedDecimalSeparator(const ScopedDecimalSeparator&) = delete;
    ScopedDecimalSeparator& operator=(const ScopedDecimalSeparator&) = delete;

private:
    char previous_;
};

} // namespace platform
