#pragma once
// Crossing between QString (screens) and UTF-8 std::string (core).

#include <QString>
#include <string>
#include <string_view>

namespace zolt {

inline std::string ToStd(const QString& text) { return text.toStdString(); }
inline QString ToQ(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace zolt
