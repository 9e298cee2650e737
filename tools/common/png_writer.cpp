// Writes an image to PNG in memory with libpng.
#include "tools/common/png_writer.h"

#include <png.h>

#include <stdexcept>
#include <string>

namespace tools::data {
namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void Flush(png_structp) {}

[[noreturn]] void ThrowError(png_structp, png_const_charp message) {
    throw std::runtime_error(std::string("PNG encoder: ") + message);
}

// Owns libpng's write structures across an exception.
struct Writer {
    png_structp png = nullptr;
    png_infop info = nullptr;

    Writer() {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, ThrowError, nullptr);
        info = png ? png_create_info_struct(png) : nullptr;
        if (!info) {
            png_destroy_write_struct(&png, nullptr);
            throw std::runtime_error("PNG encoder: out of memory");
        }
    }
    ~Writer() { png_destroy_write_struct(&png, &info); }
};

}  // namespace

std::vector<uint8_t> EncodePng(const Image& image) {
    std::vector<uint8_t> out;
    Writer w;
    png_set_write_fn(w.png, &out, Append, Flush);
    png_set_IHDR(w.png, w.info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(w.png, w.info);
    for (int y = 0; y < image.height(); ++y) {
        png_write_row(w.png, image.RgbRow(y).data());
    }
    png_write_end(w.png, nullptr);
    return out;
}

}  // namespace tools::data
