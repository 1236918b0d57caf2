// The program's title and version, as windows and messages show them.
#pragma once

#include <QString>

namespace controls {

inline constexpr char AppTitle[] = "Brisola";
inline constexpr int AppMajor = 2;
inline constexpr int AppMinor = 0;

// The major and minor number joined by a point, without leading zeros: "2.0".
inline QString AppVersion() {
    return QString::number(AppMajor) + QLatin1Char('.') + QString::number(AppMinor);
}

} // namespace controls
