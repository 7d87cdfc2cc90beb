#pragma once
// Every event handler runs through this guard: an exception that escapes it ends the
// handler and is reported in a message box with the application title, and the
// program goes on. Qt never sees an exception.
#include <concepts>
#include <exception>
#include <utility>

namespace platform {

void ReportException(const std::exception& error);
void ReportUnknownException();

// Runs `handler`; returns false when it raised (after reporting it).
template <typename Handler>
bool RunGuarded(Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception& error) {
        ReportException(error);
    } catch (...) {
        ReportUnknownException();
    }
    return false;
}

// Wraps a handler for QObject::connect: Guarded([this] { MenuClick(); }).
template <typename Handler>
auto Guarded(Handler handler)
{
    // Constrained, so that Qt's connect can find how many signal arguments it takes.
    return [handler = std::move(handler)]<typename... Args>(Args&&... args)
        requires std::invocable<const Handler&, Args...>
    {
        RunGuarded([&] { handler(std::forward<Args>(args)...); });
    };
}

} // namespace platform
