#include "platform/qt/Pictures.h"

#include "platform/Resources.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace platform::qt {
namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
    auto* error = reinterpret_cast<JpegError*>(info->err);
    std::longjmp(error->jump, 1);
}

void QuietJpegMessage(j_common_ptr) {}

bool IsJpeg(std::span<const unsigned char> bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

// Everything that must survive a longjmp lives outside the function that
// calls setjmp.
struct JpegDecode {
    jpeg_decompress_struct info{};
    JpegError error{};
    QImage image;
};

bool RunJpegDecode(JpegDecode& d, std::span<const unsigned char> bytes) {
    d.info.err = jpeg_std_error(&d.error.mgr);
    d.error.mgr.error_exit = OnJpegError;
    d.error.mgr.output_message = QuietJpegMessage;
    if (setjmp(d.error.jump)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);
    if (d.info.output_components != 3 || d.info.output_width == 0 || d.info.output_height == 0 ||
        d.info.output_width > 16384 || d.info.output_height > 16384) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    d.image = QImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                     QImage::Format_RGB888);
    if (d.image.isNull()) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = d.image.scanLine(static_cast<int>(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    jpeg_destroy_decompress(&d.info);
    return true;
}

} // namespace

QImage DecodeJpeg(std::span<const unsigned char> bytes) {
    if (!IsJpeg(bytes)) {
        return QImage();
    }
    JpegDecode decode;
    if (!RunJpegDecode(decode, bytes)) {
        return QImage();
    }
    return decode.image;
}

QImage DecodePicture(std::span<const unsigned char> bytes) {
    if (IsJpeg(bytes)) {
        return DecodeJpeg(bytes);
    }
    QImage image;
    image.loadFromData(bytes.data(), static_cast<int>(bytes.size()));
    return image;
}

QImage LoadPictureImage(const std::string& resourceName) {
    const auto data = platform::FindResource(resourceName);
    if (!data) {
        return QImage();
    }
    return DecodePicture(*data);
}

QPixmap LoadPicture(const std::string& resourceName) {
    return QPixmap::fromImage(LoadPictureImage(resourceName));
}

} // namespace platform::qt
