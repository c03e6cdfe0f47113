#pragma once
// File names as the windows hold them (QString) and as the file system has
// them (bytes), one conversion pair for every file the program touches.
// A name is bytes: where they are not UTF-8, each stray byte stands in the
// text as a lone surrogate (U+DC80 + the byte) and goes back to the file
// system unchanged, so a name that is not UTF-8 still opens its own file.

#include <QString>
#include <QStringList>
#include <string>

namespace lb {

std::string pathBytes(const QString& path);
QString pathText(const std::string& bytes);

// The program's arguments, each converted as a name.
QStringList argumentsAsText(int argc, char** argv);

} // namespace lb
