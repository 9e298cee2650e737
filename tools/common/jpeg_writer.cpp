// Compresses an image to JPEG in memory with libjpeg-turbo.
#include "tools/common/jpeg_writer.h"

#include <cstdio>

#include <jpeglib.h>

#include <cstdlib>
#include <stdexcept>

namespace tools::data {
namespace {

[[noreturn]] void ThrowError(j_common_ptr info) {
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    throw std::runtime_error(std::string("JPEG encoder: ") + message);
}

// Owns the compressor and libjpeg's output buffer across an exception.
struct Compressor {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    Compressor() {
        info.err = jpeg_std_error(&errors);
        errors.error_exit = ThrowError;
        jpeg_create_compress(&info);
        jpeg_mem_dest(&info, &buffer, &size);
    }
    ~Compressor() {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
};

}  // namespace

std::vector<uint8_t> EncodeJpeg(const Image& image, int quality) {
    Compressor c;
    c.info.image_width = static_cast<JDIMENSION>(image.width());
    c.info.image_height = static_cast<JDIMENSION>(image.height());
    c.info.input_components = 3;
    c.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, quality, TRUE);
    jpeg_start_compress(&c.info, TRUE);
    for (int y = 0; y < image.height(); ++y) {
        std::vector<uint8_t> row = image.RgbRow(y);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&c.info, rows, 1);
    }
    jpeg_finish_compress(&c.info);
    return std::vector<uint8_t>(c.buffer, c.buffer + c.size);
}

}  // namespace tools::data
