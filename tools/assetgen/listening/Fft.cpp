#include "tools/assetgen/listening/Fft.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace listening {

void Fft(std::vector<std::complex<float>>& data) {
    const size_t n = data.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(data[i], data[j]);
    }
    for (size_t length = 2; length <= n; length <<= 1) {
        const double angle = -2 * std::numbers::pi / static_cast<double>(length);
        // The twiddle turns in double precision, so its error stays far below what a picture can show.
        const std::complex<double> turn(std::cos(angle), std::sin(angle));
        for (size_t start = 0; start < n; start += length) {
            std::complex<double> w(1, 0);
            for (size_t k = 0; k < length / 2; ++k) {
                const std::complex<float> even = data[start + k];
                const std::complex<float> odd = data[start + k + length / 2] * std::complex<float>(w);
                data[start + k] = even + odd;
                data[start + k + length / 2] = even - odd;
                w *= turn;
            }
        }
    }
}

}  // namespace listening
