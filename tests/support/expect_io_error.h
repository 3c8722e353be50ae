// The input/output error's code and message, compared in full.
#pragma once

#include <gtest/gtest.h>

#include "catalogue/runtime_error.h"

#define EXPECT_IO_ERROR(statement, expectedCode, expectedMessage)  \
    do {                                                           \
        try {                                                      \
            statement;                                             \
            ADD_FAILURE() << "no error from " #statement;          \
        } catch (const mp3::EInOutError& e) {                      \
            EXPECT_EQ(e.code(), expectedCode) << #statement;       \
            EXPECT_STREQ(e.what(), expectedMessage) << #statement; \
        }                                                          \
    } while (false)
