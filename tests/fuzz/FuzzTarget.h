#pragma once
// The entry point libFuzzer calls, for one oracle: a broken oracle aborts,
// which libFuzzer reports as a finding and keeps the input that caused it.

#include "Oracles.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define VANTORO_FUZZ_TARGET(oracle)                                                                  \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)               \
    {                                                                                               \
        const QString fault =                                                                       \
            oracle(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));  \
        if (!fault.isEmpty()) {                                                                     \
            std::fprintf(stderr, "oracle broken: %s\n", fault.toLocal8Bit().constData());           \
            std::abort();                                                                           \
        }                                                                                           \
        return 0;                                                                                   \
    }
