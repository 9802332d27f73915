#pragma once

#include <cstddef>
#include <cstdint>

/// Runs one input through every conversion of stored texts and through the start-up load, and
/// aborts when a result breaks what the rest of the program relies on.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
