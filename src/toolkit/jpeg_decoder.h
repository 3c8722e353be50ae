/* The C interface of the libjpeg decoder: it fills memory the caller hands out. */
#ifndef MP3_TOOLKIT_JPEG_DECODER_H
#define MP3_TOOLKIT_JPEG_DECODER_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Returns rows for a width x height picture of 32-bit pixels (the native word 0xffRRGGBB) and
   their stride in bytes, a multiple of 4, or a null pointer to give up. It is called at most once,
   and must not throw or jump. */
typedef unsigned char* (*tk_jpeg_allocate)(void* context, int width, int height, size_t* stride);

/* Decodes a baseline or progressive JPEG (grey, colour or CMYK) to opaque RGB words. Returns 1
   when the whole picture was decoded, 0 for data that is corrupt, truncated or not a JPEG. */
int tk_jpeg_decode(const unsigned char* data, size_t size, tk_jpeg_allocate allocate,
                   void* context);

#ifdef __cplusplus
}
#endif

#endif
