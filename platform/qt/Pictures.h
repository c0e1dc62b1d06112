#pragma once
// Pictures carried inside the program, found by resource name without
// regard to case. JPEG pictures are decoded here with libjpeg; PNG and BMP
// pictures by Qt.

#include <QImage>
#include <QPixmap>

#include <cstddef>
#include <span>
#include <string>

namespace platform::qt {

// A null image when the bytes are not a JPEG picture libjpeg can read.
QImage DecodeJpeg(std::span<const unsigned char> bytes);

// Any supported picture; a null image when the bytes cannot be read.
QImage DecodePicture(std::span<const unsigned char> bytes);

// The picture of an embedded resource; a null image when the program does
// not carry it or it cannot be decoded.
QImage LoadPictureImage(const std::string& resourceName);
QPixmap LoadPicture(const std::string& resourceName);

} // namespace platform::qt
