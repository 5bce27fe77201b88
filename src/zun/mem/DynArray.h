#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>

namespace zun
{
namespace mem
{

// Fixed-size heap array, sized at set-up; copies are deep. Elements are value-initialised.
template <typename T>
class DynArray
{
public:
    DynArray() = default;
    explicit DynArray(size_t len) { resize(len); }
    DynArray(const DynArray& other) { *this = other; }
    DynArray(DynArray&& other) noexcept = default;
    DynArray& operator=(DynArray&& other) noexcept = default;
    DynArray& operator=(const DynArray& other)
    {
        if (this != &other)
        {
            resize(other._len);
            std::copy(other.begin(), other.end(), begin());
        }
        return *this;
    }
    ~DynArray() = default;

    // Reallocates unless the size stays; the contents are value-initialised either way.
    void resize(size_t len)
    {
        if (len != _len)
        {
            _data = (len > 0) ? std::make_unique<T[]>(len) : nullptr;
            _len = len;
        }
        else
        {
            std::fill(begin(), end(), T());
        }
    }

    size_t size() const { return _len; }
    bool empty() const { return _len == 0; }
    T* data() { return _data.get(); }
    const T* data() const { return _data.get(); }
    T& operator[](size_t pos) { return _data[pos]; }
    const T& operator[](size_t pos) const { return _data[pos]; }
    T* begin() { return _data.get(); }
    T* end() { return _data.get() + _len; }
    const T* begin() const { return _data.get(); }
    const T* end() const { return _data.get() + _len; }

private:
    std::unique_ptr<T[]> _data;
    size_t _len = 0;
};

} // namespace mem
} // namespace zun
