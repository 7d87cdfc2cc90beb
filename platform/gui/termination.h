#pragma once
// A desktop session that ends, or a terminal that sends SIGTERM or SIGINT, closes the
// program as its own Exit command would, so that settings are saved.
#include <functional>

namespace platform {

void CloseOnTerminationSignals(std::function<void()> close);

} // namespace platform
