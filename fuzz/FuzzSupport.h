#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The entry points libFuzzer calls in every fuzz target.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// A property the fuzzer found broken: stop here so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition)               \
    do {                                    \
        if (!(condition)) __builtin_trap(); \
    } while (0)

namespace fuzz {

using Seeds = std::vector<std::pair<std::string, std::vector<uint8_t>>>;

// Writes small valid files into every empty corpus folder named on the command line: starting from
// nothing, the fuzzer would spend its time rediscovering headers.
void SeedEmptyCorpus(int argc, char** argv, const Seeds& seeds);

}  // namespace fuzz
