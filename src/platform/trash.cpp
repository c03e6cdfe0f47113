#include "platform/trash.h"

#include "platform/paths.h"

#include <QFile>

namespace lb {

std::optional<QString> moveToTrash(const QString& path) {
    // Qt names files by its own decoding of their bytes: start from the bytes
    // so that the name Qt hands the system is the file's own.
    QFile file(QFile::decodeName(QByteArray::fromStdString(pathBytes(path))));
    if (file.moveToTrash()) {
        return std::nullopt;
    }
    return file.errorString();
}

} // namespace lb
