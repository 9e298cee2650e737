// JPEG decoding: libjpeg's errors are caught with a jump back to the caller instead of
// ending the process; what decodes with warnings is kept.
#include "platform/jpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace platform {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    ErrorManager* manager = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, manager->message);
    longjmp(manager->escape, 1);
}

// Warnings (stray bytes, an unknown revision, a premature end) leave a whole image, which
// is kept; only errors end the decode.
void IgnoreWarning(j_common_ptr, int) {}

// Runs the decode; only plain data lives here, as longjmp may leave it.
const char* Decompress(jpeg_decompress_struct& info, ErrorManager& errors,
                       const std::vector<uint8_t>& bytes, JpegImage& image) {
    if (setjmp(errors.escape)) {
        return errors.message;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kMaxJpegSide || info.image_height > kMaxJpegSide) {
        return "the image is too large";
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        return "the image does not decode to RGB";
    }
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    size_t stride = static_cast<size_t>(image.width) * 3;
    image.rgb.resize(stride * static_cast<size_t>(image.height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.rgb.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return nullptr;
}

}  // namespace

bool DecodeJpeg(const std::vector<uint8_t>& bytes, JpegImage& image, std::string& error) {
    image = JpegImage();
    if (bytes.empty()) {
        error = "the file is empty";
        return false;
    }
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = IgnoreWarning;
    errors.message[0] = '\0';
    const char* failure = Decompress(info, errors, bytes, image);
    jpeg_destroy_decompress(&info);
    if (failure) {
        error = failure;
        image = JpegImage();
        return false;
    }
    return true;
}

}  // namespace platform
