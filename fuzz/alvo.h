#pragma once
// One fuzz target: libFuzzer's entry point. The corpus driver (corpus.cpp) calls the same
// function for every file of a seed folder, so the ordinary build checks each target too.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho);
