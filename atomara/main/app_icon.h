#pragma once
#include <QIcon>

namespace atomara {

// The program's icon, drawn rather than shipped: a raised element tile.
QIcon AppIcon();

} // namespace atomara
