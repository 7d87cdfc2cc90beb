#include "platform/core/decimal_separator.h"

namespace platform {
namespace {
char g_separator = '.';
}

char DecimalSeparator() { return g_separator; }
void SetDecimalSeparator(char separator) { g_separator = separator; }

ScopedDecimalSeparator::ScopedDecimalSeparator(char separator)
    : previous_(g_separator)
{
    g_separator = separator;
}

ScopedDecimalSeparator::~ScopedDecimalSeparator() { g_separator = previous_; }

} // namespace platform
