#pragma once

#include <complex>
#include <vector>

namespace listening {

// In-place radix-2 FFT; the size must be a power of two.
void Fft(std::vector<std::complex<float>>& data);

}  // namespace listening
