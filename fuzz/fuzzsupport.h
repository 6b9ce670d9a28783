#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken invariant is a crash, so that libFuzzer keeps the input that broke it.
#define FUZZ_REQUIRE(condition)                                                                              \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

inline QByteArrayView FuzzBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}
