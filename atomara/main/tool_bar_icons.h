#pragma once
#include <QIcon>

namespace atomara {

enum class ToolButton { Options, ElementInfo, Find, Temperature, Graph, Help, About };

// Pictures of the tool bar buttons, drawn rather than shipped.
QIcon ToolBarIcon(ToolButton button);

} // namespace atomara
