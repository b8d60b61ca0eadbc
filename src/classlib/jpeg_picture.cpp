#include "classlib/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace wertan {

namespace {
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void exitOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void ignoreMessage(j_common_ptr) {}
} // namespace

DecodedPicture decodeJpeg(std::string_view bytes) {
    DecodedPicture picture;
    if (bytes.empty()) {
        picture.error = "empty file";
        return picture;
    }
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = exitOnError;
    errors.base.output_message = ignoreMessage;
    // Everything that must survive a longjmp lives in `picture` (declared before setjmp).
    if (setjmp(errors.jump)) {
        picture.error = errors.message;
        picture.width = picture.height = 0;
        picture.rgb.clear();
        jpeg_destroy_decompress(&info);
        return picture;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
    picture.rgb.resize(stride * static_cast<std::size_t>(picture.height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.rgb.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return picture;
}

} // namespace wertan
