#pragma once
// Taking blanks (or other padding characters) off the ends of text.
#include <string_view>

namespace platform {

inline std::string_view TrimRight(std::string_view text, std::string_view padding = " ")
{
    const auto last = text.find_last_not_of(padding);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

inline std::string_view Trim(std::string_view text, std::string_view padding = " ")
{
    const auto first = text.find_first_not_of(padding);
    return first == std::string_view::npos ? std::string_view() : TrimRight(text.substr(first), padding);
}

} // namespace platform
