/* The C interface of the libjpeg decoder: it fills memory the caller hands out. */
#ifndef MP3_TOOLKIT_JPEG_DECODER_H
#define MP3_TOOLKIT_JPEG_DECODER_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Returns rows for a width x height picture of 3-byte RGB pixels and their stride in bytes, or
   a null pointer to give up. It is called at most once, and must not throw or jump. */
typedef unsigned char* (*tk_jpeg_allocate)(void* context, int width, int height, size_t* stride);

/* Decodes a baseline or progressive JPEG (grey, colour or CMYK) to RGB. Returns 1 when the whole
   picture was decoded, 0 for data that is corrupt, truncated or not a JPEG at all. */
int tk_jpeg_decode(const unsigned char* data, size_t size, tk_jpeg_allocate allocate,
                   void* context);

#ifdef __cplusplus
}
#endif

#endif
