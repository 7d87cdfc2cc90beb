#pragma once
#include <QIcon>

namespace convert {

enum class ToolBarButton { TemperatureConverter, Help, Exit };

// Pictures of the three tool bar buttons, drawn rather than shipped.
QIcon ToolBarPicture(ToolBarButton button);

} // namespace convert
