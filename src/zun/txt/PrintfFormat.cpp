#include "zun/txt/PrintfFormat.h"

#include "zun/txt/Utf8Seq.h"

#include <cstdio>
#include <cstring>

namespace zun
{
namespace txt
{

namespace
{

// Reads up to three digits; -1 when there is none, -2 when there are more.
int read_field(const char* s, int& pos)
{
    int val = -1;
    int nbr_digits = 0;
    while (s[pos] >= '0' && s[pos] <= '9')
    {
        if (nbr_digits == 3)
            return -2;
        val = (val < 0 ? 0 : val * 10) + (s[pos] - '0');
        ++nbr_digits;
        ++pos;
    }
    return val;
}

bool is_kind(char conv, PrintfFormat::Kind kind)
{
    switch (kind)
    {
    case PrintfFormat::Kind_DOUBLE:
        return conv != '\0' && std::strchr("fFeEgGaA", conv) != nullptr;
    case PrintfFormat::Kind_INT:
        return conv == 'd' || conv == 'i';
    case PrintfFormat::Kind_STRING:
        return conv == 's';
    }
    return false;
}

} // namespace

int PrintfFormat::parse_conv(const char* fmt)
{
    if (fmt == nullptr || fmt[0] != '%')
        return 0;
    int pos = 1;
    std::string flags;
    while (fmt[pos] != '\0' && std::strchr("-+ #0", fmt[pos]) != nullptr)
    {
        if (flags.size() >= 8)
            return 0;
        flags += fmt[pos];
        ++pos;
    }
    const int width = read_field(fmt, pos);
    if (width == -2)
        return 0;
    int prec = -1;
    if (fmt[pos] == '.')
    {
        ++pos;
        prec = read_field(fmt, pos);
        if (prec == -2)
            return 0;
        if (prec < 0)
            prec = 0; // "%.f" means precision 0
    }
    if (fmt[pos] == 'l')
        ++pos; // no effect on any accepted conversion
    const char conv = fmt[pos];
    if (conv == '\0' || std::strchr("fFeEgGaAdis", conv) == nullptr)
        return 0;
    _flags = flags;
    _width = width;
    _prec = prec;
    _conv = conv;
    return pos + 1;
}

bool PrintfFormat::parse_format(const char* fmt, Kind kind)
{
    if (fmt == nullptr)
        return false;
    PrintfFormat tmp;
    std::string* part = &tmp._prefix;
    bool found = false;
    for (const char* p = fmt; *p != '\0';)
    {
        if (*p != '%')
        {
            *part += *p;
            ++p;
            continue;
        }
        if (p[1] == '%')
        {
            *part += '%';
            p += 2;
            continue;
        }
        if (found)
            return false;
        const int len = tmp.parse_conv(p);
        if (len == 0 || !is_kind(tmp._conv, kind))
            return false;
        found = true;
        part = &tmp._suffix;
        p += len;
    }
    if (!found)
        return false;
    *this = tmp;
    return true;
}

std::string PrintfFormat::build_conv() const
{
    std::string conv = "%" + _flags;
    if (_width >= 0)
        conv += std::to_string(_width);
    if (_prec >= 0)
        conv += "." + std::to_string(_prec);
    conv += _conv;
    return conv;
}

std::string PrintfFormat::format_double(double val) const
{
    // Width and precision are at most 999 and a double has at most 309 integer digits, so the
    // result fits; snprintf bounds it anyway.
    char buf[1536];
    const std::string conv = is_kind(_conv, Kind_DOUBLE) ? build_conv() : std::string("%f");
    const int len = std::snprintf(buf, sizeof(buf), conv.c_str(), val);
    if (len < 0)
        return _prefix + _suffix;
    const size_t used = (size_t(len) < sizeof(buf)) ? size_t(len) : sizeof(buf) - 1;
    return _prefix + std::string(buf, used) + _suffix;
}

std::string PrintfFormat::format_int(int val) const
{
    char buf[1536];
    const std::string conv = is_kind(_conv, Kind_INT) ? build_conv() : std::string("%d");
    const int len = std::snprintf(buf, sizeof(buf), conv.c_str(), val);
    if (len < 0)
        return _prefix + _suffix;
    const size_t used = (size_t(len) < sizeof(buf)) ? size_t(len) : sizeof(buf) - 1;
    return _prefix + std::string(buf, used) + _suffix;
}

std::string PrintfFormat::format_string(const std::string& val) const
{
    std::string txt = (_prec >= 0) ? Utf8Seq::cut_bytes(val, size_t(_prec)) : val;
    const size_t nbr_chars = Utf8Seq::count_chars(txt);
    if (_width > 0 && nbr_chars < size_t(_width))
    {
        const std::string pad(size_t(_width) - nbr_chars, ' ');
        txt = (_flags.find('-') != std::string::npos) ? txt + pad : pad + txt;
    }
    return _prefix + txt + _suffix;
}

} // namespace txt
} // namespace zun
