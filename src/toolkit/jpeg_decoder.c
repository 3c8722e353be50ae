/* JPEG decoding with libjpeg; its errors jump back into this file, never through C++ frames. */
#include "jpeg_decoder.h"

#include <setjmp.h>
#include <stdint.h>
#include <stdio.h>

/* jpeglib.h needs FILE declared before it. */
#include <jpeglib.h>

/* A picture bigger than this is refused rather than risk an allocation a bad header asked for. */
#define TK_JPEG_MAX_PIXELS (1L << 28)

struct decoder {
    struct jpeg_decompress_struct info;
    struct jpeg_error_mgr errors;
    jmp_buf failed;
    int warnings;
};

static void on_error(j_common_ptr info) {
    struct decoder* decoder = (struct decoder*)info->client_data;
    longjmp(decoder->failed, 1);
}

static void on_message(j_common_ptr info, int level) {
    /* Level -1 is a warning about corrupt or truncated data: the picture would be incomplete. */
    if (level < 0) ((struct decoder*)info->client_data)->warnings++;
}

/* One opaque pixel as the native 32-bit word 0xffRRGGBB. */
static uint32_t opaque(unsigned r, unsigned g, unsigned b) {
    return 0xff000000u | (r << 16) | (g << 8) | b;
}

static void cmyk_to_rgb(const JSAMPLE* in, uint32_t* out, JDIMENSION width, int inverted) {
    JDIMENSION x;
    for (x = 0; x < width; ++x, in += 4) {
        unsigned c = inverted ? in[0] : 255u - in[0];
        unsigned m = inverted ? in[1] : 255u - in[1];
        unsigned y = inverted ? in[2] : 255u - in[2];
        unsigned k = inverted ? in[3] : 255u - in[3];
        out[x] = opaque((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
    }
}

static void grey_to_rgb(const JSAMPLE* in, uint32_t* out, JDIMENSION width) {
    JDIMENSION x;
    for (x = 0; x < width; ++x) out[x] = opaque(in[x], in[x], in[x]);
}

/* Everything that may longjmp happens in here; the state lives in the caller's frame. */
static int run(struct decoder* decoder, const unsigned char* data, size_t size,
               tk_jpeg_allocate allocate, void* context) {
    struct jpeg_decompress_struct* info = &decoder->info;
    unsigned char* pixels;
    size_t stride = 0;
    JSAMPARRAY row;
    int components;

    if (setjmp(decoder->failed)) return 0;

    jpeg_mem_src(info, data, (unsigned long)size);
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK) return 0;
    if (info->image_width == 0 || info->image_height == 0 ||
        (long)info->image_width * (long)info->image_height > TK_JPEG_MAX_PIXELS) {
        return 0;
    }

    if (info->jpeg_color_space == JCS_GRAYSCALE) {
        info->out_color_space = JCS_GRAYSCALE;
    } else if (info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK) {
        info->out_color_space = JCS_CMYK;
    } else {
        /* Straight into the words the caller's picture holds: no second pass, no second buffer.
           Alpha, unlike X, is written (0xff). */
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
        info->out_color_space = JCS_EXT_BGRA;
#else
        info->out_color_space = JCS_EXT_ARGB;
#endif
    }
    jpeg_start_decompress(info);

    components = info->output_components;
    if (components != 1 && components != 3 && components != 4) return 0;

    pixels = allocate(context, (int)info->output_width, (int)info->output_height, &stride);
    if (pixels == NULL) return 0;
    row = (*info->mem->alloc_sarray)((j_common_ptr)info, JPOOL_IMAGE,
                                     info->output_width * (JDIMENSION)components, 1);

    while (info->output_scanline < info->output_height) {
        unsigned char* out = pixels + (size_t)info->output_scanline * stride;
        if (info->out_color_space != JCS_GRAYSCALE && info->out_color_space != JCS_CMYK) {
            JSAMPROW target = out;
            if (jpeg_read_scanlines(info, &target, 1) != 1) return 0;
            continue;
        }
        if (jpeg_read_scanlines(info, row, 1) != 1) return 0;
        if (components == 1) {
            grey_to_rgb(row[0], (uint32_t*)out, info->output_width);
        } else {
            cmyk_to_rgb(row[0], (uint32_t*)out, info->output_width, info->saw_Adobe_marker);
        }
    }
    jpeg_finish_decompress(info);
    return decoder->warnings == 0;
}

int tk_jpeg_decode(const unsigned char* data, size_t size, tk_jpeg_allocate allocate,
                   void* context) {
    struct decoder decoder;
    int ok;

    if (data == NULL || size == 0 || allocate == NULL) return 0;
    decoder.info.err = jpeg_std_error(&decoder.errors);
    decoder.errors.error_exit = on_error;
    decoder.errors.emit_message = on_message;
    decoder.warnings = 0;
    decoder.info.client_data = &decoder;  /* read by on_error, even while creating */
    if (setjmp(decoder.failed)) return 0; /* jpeg_create_decompress itself may fail */
    jpeg_create_decompress(&decoder.info);
    decoder.info.client_data = &decoder;

    ok = run(&decoder, data, size, allocate, context);
    jpeg_destroy_decompress(&decoder.info);
    return ok;
}
