// Baseline JPEG encoding and decoding through libjpeg, so the pictures come out byte for byte the
// same.
#include "jpeg_file.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace artwork {
namespace {

// libjpeg reports fatal errors through a callback that must not return; jump back to the caller
// instead of letting the library call exit().
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onFatalError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Only plain C objects live in this frame, so unwinding it with longjmp skips no destructors.
bool compressRows(const unsigned char* pixels, int width, int height, int stride, int quality,
                  unsigned char** output, unsigned long* outputSize, char* message) {
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatalError;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        std::strncpy(message, errors.message, JMSG_LENGTH_MAX);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, output, outputSize);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    info.dct_method = JDCT_ISLOW;  // the exact integer transform: same bytes on every machine
    info.optimize_coding = TRUE;   // smaller files, still sequential
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(pixels + static_cast<std::size_t>(info.next_scanline) *
                                                      static_cast<std::size_t>(stride));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

bool decompressRows(const unsigned char* data, unsigned long size, unsigned char** pixels,
                    int* width, int* height, bool* baseline, char* message) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatalError;
    errors.message[0] = '\0';
    *pixels = nullptr;
    if (setjmp(errors.jump)) {
        std::strncpy(message, errors.message, JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&info);
        std::free(*pixels);
        *pixels = nullptr;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *width = static_cast<int>(info.output_width);
    *height = static_cast<int>(info.output_height);
    *baseline = !info.progressive_mode && !info.arith_code && info.data_precision == 8;
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    *pixels = static_cast<unsigned char*>(std::malloc(stride * info.output_height));
    if (*pixels == nullptr) {
        std::strncpy(message, "out of memory", JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = *pixels + static_cast<std::size_t>(info.output_scanline) * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QByteArray encodeJpeg(const QImage& image, int quality, QString* error) {
    if (image.isNull()) {
        *error = QStringLiteral("empty picture");
        return {};
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool ok =
        compressRows(rgb.constBits(), rgb.width(), rgb.height(),
                     static_cast<int>(rgb.bytesPerLine()), quality, &output, &outputSize, message);
    QByteArray result;
    if (ok)
        result =
            QByteArray(reinterpret_cast<const char*>(output), static_cast<qsizetype>(outputSize));
    else
        *error = QString::fromLocal8Bit(message);
    std::free(output);
    return result;
}

QImage decodeJpeg(const QByteArray& data, bool* baseline, QString* error) {
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    char message[JMSG_LENGTH_MAX] = {};
    if (!decompressRows(reinterpret_cast<const unsigned char*>(data.constData()),
                        static_cast<unsigned long>(data.size()), &pixels, &width, &height, baseline,
                        message)) {
        *error = QString::fromLocal8Bit(message);
        return {};
    }
    QImage result = QImage(pixels, width, height, width * 3, QImage::Format_RGB888)
                        .convertToFormat(QImage::Format_RGB32);
    std::free(pixels);
    return result;
}

}  // namespace artwork
