#pragma once

#include <cmath>
#include <complex>
#include <vector>

// An in-place radix-2 FFT for the plot's spectrograms (the framework's DSP module is not linked).
class Fft
{
public:
    // size must be a power of two.
    explicit Fft(int size) : n(size), twiddles(size_t(size / 2))
    {
        for (int i = 0; i < n / 2; ++i)
            twiddles[size_t(i)] = std::polar(1.0, -2.0 * M_PI * i / n);
    }

    int getSize() const { return n; }

    void perform(std::vector<std::complex<double>>& data) const
    {
        for (int i = 1, j = 0; i < n; ++i)
        {
            int bit = n >> 1;
            for (; (j & bit) != 0; bit >>= 1)
                j ^= bit;
            j ^= bit;
            if (i < j)
                std::swap(data[size_t(i)], data[size_t(j)]);
        }
        for (int len = 2; len <= n; len <<= 1)
        {
            const int step = n / len;
            for (int i = 0; i < n; i += len)
                for (int k = 0; k < len / 2; ++k)
                {
                    const auto t = twiddles[size_t(k * step)] * data[size_t(i + k + len / 2)];
                    const auto u = data[size_t(i + k)];
                    data[size_t(i + k)] = u + t;
                    data[size_t(i + k + len / 2)] = u - t;
                }
        }
    }

private:
    int n;
    std::vector<std::complex<double>> twiddles;
};
