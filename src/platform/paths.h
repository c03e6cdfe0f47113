#pragma once
// File names as the windows hold them (QString) and as the file system has
// them (bytes), one conversion pair for every file the program touches.

#include <QString>
#include <string>

namespace lb {

std::string pathBytes(const QString& path);
QString pathText(const std::string& bytes);

} // namespace lb
