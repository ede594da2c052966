#include "render/png_export.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <string_view>

#include "util/file_io.h"

bool WritePng(const std::string& path, const QImage& image) {
    if (path.empty() || image.isNull()) return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) return false;
    return static_cast<bool>(WriteFileAtomically(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}
