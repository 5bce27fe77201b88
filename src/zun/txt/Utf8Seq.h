#pragma once

#include <cstddef>
#include <string>

namespace zun
{
namespace txt
{

// Byte-level UTF-8 helpers for cutting and measuring text. Bytes that do not start a valid sequence
// count as one character each, so that any input, valid or not, has a well-defined length and cut.
class Utf8Seq
{
public:
    // Length in bytes of the character at s (1 to 4), given avail readable bytes (avail >= 1).
    static size_t get_seq_len(const char* s, size_t avail);

    static size_t count_chars(const char* s, size_t len);
    static size_t count_chars(const std::string& s) { return count_chars(s.data(), s.size()); }

    // Largest prefix of at most max_bytes bytes that ends on a character boundary.
    static size_t find_cut_bytes(const char* s, size_t len, size_t max_bytes);

    // Byte length of the first max_chars characters.
    static size_t find_cut_chars(const char* s, size_t len, size_t max_chars);

    // Length without a valid sequence that was cut short at the end (as snprintf may leave).
    static size_t trim_partial_tail(const char* s, size_t len);

    static std::string cut_bytes(const std::string& s, size_t max_bytes);
    static std::string cut_chars(const std::string& s, size_t max_chars);

    // Copies at most max_bytes bytes of src plus a terminating zero into dst (max_bytes + 1 bytes).
    static void copy_cut(char* dst, size_t max_bytes, const char* src, size_t len);
};

} // namespace txt
} // namespace zun
