#pragma once
// Writing the grid picture as a PNG file.

#include <QImage>
#include <string>

// Encodes the image with Qt's PNG writer and writes it through a temporary file in the
// target folder; false on any failure, and an existing file at path is then untouched.
bool WritePng(const std::string& path, const QImage& image);
