#include "zun/txt/Utf8Seq.h"

#include <cstring>

namespace zun
{
namespace txt
{

namespace
{

inline bool is_cont(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Expected length of a valid sequence starting with c, 0 when c cannot start one.
inline size_t get_expected_len(unsigned char c)
{
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return 2;
    if (c >= 0xE0 && c <= 0xEF)
        return 3;
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    return 0;
}

// Range of the second byte, which rules out overlong forms, surrogates and code points past U+10FFFF.
inline bool is_second_ok(unsigned char lead, unsigned char c)
{
    switch (lead)
    {
    case 0xE0:
        return c >= 0xA0 && c <= 0xBF;
    case 0xED:
        return c >= 0x80 && c <= 0x9F;
    case 0xF0:
        return c >= 0x90 && c <= 0xBF;
    case 0xF4:
        return c >= 0x80 && c <= 0x8F;
    default:
        return is_cont(c);
    }
}

} // namespace

size_t Utf8Seq::get_seq_len(const char* s, size_t avail)
{
    const auto* u = reinterpret_cast<const unsigned char*>(s);
    const size_t exp_len = get_expected_len(u[0]);
    if (exp_len <= 1 || exp_len > avail)
        return 1;
    if (!is_second_ok(u[0], u[1]))
        return 1;
    for (size_t k = 2; k < exp_len; ++k)
    {
        if (!is_cont(u[k]))
            return 1;
    }
    return exp_len;
}

size_t Utf8Seq::count_chars(const char* s, size_t len)
{
    size_t nbr_chars = 0;
    size_t pos = 0;
    while (pos < len)
    {
        pos += get_seq_len(s + pos, len - pos);
        ++nbr_chars;
    }
    return nbr_chars;
}

size_t Utf8Seq::find_cut_bytes(const char* s, size_t len, size_t max_bytes)
{
    if (len <= max_bytes)
        return len;
    size_t pos = 0;
    while (pos < len)
    {
        const size_t seq_len = get_seq_len(s + pos, len - pos);
        if (pos + seq_len > max_bytes)
            break;
        pos += seq_len;
    }
    return pos;
}

size_t Utf8Seq::find_cut_chars(const char* s, size_t len, size_t max_chars)
{
    size_t pos = 0;
    for (size_t nbr_chars = 0; nbr_chars < max_chars && pos < len; ++nbr_chars)
        pos += get_seq_len(s + pos, len - pos);
    return pos;
}

size_t Utf8Seq::trim_partial_tail(const char* s, size_t len)
{
    const auto* u = reinterpret_cast<const unsigned char*>(s);
    // A partial sequence is a lead byte followed by fewer continuation bytes than it announces.
    for (size_t back = 1; back <= 3 && back <= len; ++back)
    {
        const size_t pos = len - back;
        if (is_cont(u[pos]))
            continue;
        const size_t exp_len = get_expected_len(u[pos]);
        if (exp_len > back && (back < 2 || is_second_ok(u[pos], u[pos + 1])))
            return pos;
        break;
    }
    return len;
}

std::string Utf8Seq::cut_bytes(const std::string& s, size_t max_bytes)
{
    return s.substr(0, find_cut_bytes(s.data(), s.size(), max_bytes));
}

std::string Utf8Seq::cut_chars(const std::string& s, size_t max_chars)
{
    return s.substr(0, find_cut_chars(s.data(), s.size(), max_chars));
}

void Utf8Seq::copy_cut(char* dst, size_t max_bytes, const char* src, size_t len)
{
    if (dst == nullptr)
        return;
    const size_t cut = (src == nullptr) ? 0 : find_cut_bytes(src, len, max_bytes);
    if (cut > 0)
        std::memcpy(dst, src, cut);
    dst[cut] = '\0';
}

} // namespace txt
} // namespace zun
