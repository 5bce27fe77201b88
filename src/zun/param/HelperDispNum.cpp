#include "zun/param/HelperDispNum.h"

#include "zun/txt/Utf8Seq.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace zun
{
namespace param
{

const char* const HelperDispNum::_inf_0_list[2] = {"\xE2\x88\x9E", "oo"};

const char* const HelperDispNum::_note_0_list[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                                     "F#", "G",  "G#", "A",  "A#", "B"};

const int HelperDispNum::_frac_den_list[NBR_FRAC_DEN] = {2,  3,  4,  5,  6,  7,  8,  9,   10,  12, 14,
                                                         16, 20, 24, 32, 48, 64, 96, 128, 192, 256};

namespace
{

constexpr double LN_2 = 0.69314718055994530942;
constexpr double LN_10 = 2.30258509299404568402;

// The fraction search stops at the first candidate past this list position that would need a
// large numerator, so that simple fractions win over long ones of similar accuracy.
constexpr int FRAC_POS_STOP = 11;

double limit(double val, double val_min, double val_max)
{
    // Also maps NaN to the minimum.
    if (!(val > val_min))
        return val_min;
    if (val > val_max)
        return val_max;
    return val;
}

double pow10_int(int digits)
{
    double val = 1;
    for (int k = 0; k < digits; ++k)
        val *= 10;
    return val;
}

int limit_int(long val, int lo, int hi)
{
    return int((val < lo) ? lo : ((val > hi) ? hi : val));
}

int count_digits(int val)
{
    int nbr_digits = 1;
    while (val >= 10)
    {
        val /= 10;
        ++nbr_digits;
    }
    return nbr_digits;
}

std::string print_non_finite(double val)
{
    if (std::isnan(val))
        return "nan";
    return (val < 0) ? "-inf" : "inf";
}

bool read_double(const char* txt, double& val)
{
    char* end = nullptr;
    errno = 0;
    const double tmp = std::strtod(txt, &end);
    if (end == txt || !std::isfinite(tmp))
        return false;
    val = tmp;
    return true;
}

bool read_long(const char* txt, long& val, int base, const char*& end)
{
    char* end_tmp = nullptr;
    errno = 0;
    const long tmp = std::strtol(txt, &end_tmp, base);
    if (end_tmp == txt || errno == ERANGE)
        return false;
    val = tmp;
    end = end_tmp;
    return true;
}

} // namespace

HelperDispNum::HelperDispNum()
{
    set_print_format("%f");
}

void HelperDispNum::set_type(Type type)
{
    if (type >= 0 && type < Type_NBR_ELT)
        _type = type;
}

void HelperDispNum::set_log(bool log_flag)
{
    _log_flag = log_flag;
}

void HelperDispNum::set_preset(Preset preset)
{
    struct Def
    {
        Type type;
        bool log_flag;
        double scale;
        double offset;
    };
    static const Def def_arr[Preset_NBR_ELT] = {
        {Type_FLOAT, false, 1, 0},
        {Type_FLOAT, false, 100, 0},
        {Type_FLOAT, false, 1000, 0},
        {Type_FLOAT, false, 1000000, 0},
        {Type_FLOAT, true, 20 / LN_10, 0},
        {Type_FLOAT, false, 20 * LN_2 / LN_10, 0},
        {Type_INT, false, 1, 0},
        {Type_INT, false, 1, 1},
        {Type_NOTE, false, 1, 0},
        {Type_FLOAT, true, 12 / LN_2, 0},
        {Type_FLOAT, true, 1200 / LN_2, 0},
        {Type_NOTE, true, 12 / LN_2, 69 - 12 * std::log2(440.0)},
        {Type_FRAC, false, 1, 0},
        {Type_RATIO, false, 1, 0},
        {Type_RATIO_INV, false, 1, 0},
    };
    if (preset < 0 || preset >= Preset_NBR_ELT)
        return;
    const Def& def = def_arr[preset];
    _type = def.type;
    _log_flag = def.log_flag;
    _scale = def.scale;
    _offset = def.offset;
}

void HelperDispNum::set_print_format(const char* format)
{
    txt::PrintfFormat conv;
    if (format != nullptr && conv.parse_format(format, txt::PrintfFormat::Kind_DOUBLE))
    {
        _print_format = format;
        _print_conv = conv;
    }
    else
    {
        _print_format = "%f";
        _print_conv.parse_format("%f", txt::PrintfFormat::Kind_DOUBLE);
    }
}

void HelperDispNum::set_range(double val_min, double val_max)
{
    _val_min = val_min;
    _val_max = val_max;
}

void HelperDispNum::set_scale(double scale)
{
    _scale = scale;
}

void HelperDispNum::set_offset(double offset)
{
    _offset = offset;
}

bool HelperDispNum::is_ok() const
{
    return _val_max > _val_min && (!_log_flag || _val_min >= 0);
}

int HelperDispNum::conv_to_str(double nat, char* txt, long max_len) const
{
    if (txt == nullptr)
        return 0;
    const size_t max_bytes = (max_len > 0) ? size_t(max_len) : 0;
    const std::string full = conv_to_str_raw(nat, (max_len > 0) ? max_len : 0);
    txt::Utf8Seq::copy_cut(txt, max_bytes, full.data(), full.size());
    return 0;
}

std::string HelperDispNum::conv_to_str(double nat, long max_len) const
{
    if (max_len <= 0)
        return std::string();
    return txt::Utf8Seq::cut_bytes(conv_to_str_raw(nat, max_len), size_t(max_len));
}

std::string HelperDispNum::conv_to_str_raw(double nat, long max_len) const
{
    if (_log_flag)
    {
        if (nat == 0)
            return std::string((_scale < 0) ? "+" : "-") + _inf_0_list[1];
        nat = std::log(nat);
    }

    const bool ratio_flag = (_type == Type_RATIO || _type == Type_RATIO_INV);
    const bool inv_flag = (_type == Type_RATIO_INV);
    if (ratio_flag && nat == 0)
        return inv_flag ? _inf_0_list[0] : "0";

    const double x = nat * _scale + _offset;

    std::string txt;
    const bool small_flag = (x < 1);
    if (ratio_flag && small_flag != inv_flag)
        txt += "1:";

    switch (_type)
    {
    case Type_INT:
        txt += _print_conv.format_double(std::floor(x + 0.5));
        break;
    case Type_NOTE:
        // Beyond a million semitones there is no note to name; the number is shown instead.
        if (!std::isfinite(x) || std::fabs(x) > 1e6)
        {
            txt += _print_conv.format_double(x);
        }
        else
        {
            // The note is chosen after rounding to whole cents, so that cents stay in -50..+49 and
            // a note text reads back as itself (+50 would come back as the next note's -50).
            const double xc = std::floor(x * 100 + 0.5) / 100;
            const int n = int(std::floor(xc + 0.5));
            const int octave = int(std::floor(n / 12.0));
            const int idx = n - octave * 12;
            const int cents = int(std::floor((xc - n) * 100 + 0.5));
            char buf[64];
            char cents_txt[16] = "";
            if (cents != 0)
                std::snprintf(cents_txt, sizeof(cents_txt), "%+03d", cents);
            std::snprintf(buf, sizeof(buf), "%2s%d%s", _note_0_list[idx], octave, cents_txt);
            txt += buf;
        }
        break;
    case Type_FRAC:
        txt += print_frac(x, max_len);
        break;
    case Type_RATIO:
    case Type_RATIO_INV:
    {
        double v = std::fabs(x);
        if (small_flag)
            v = 1 / v;
        txt += _print_conv.format_double(v);
        break;
    }
    case Type_FLOAT:
    default:
        txt += _print_conv.format_double(x);
        break;
    }

    if (ratio_flag && small_flag == inv_flag)
        txt += ":1";

    // Guards the literal parts of the format against sequences cut by a bounded formatting.
    txt.resize(txt::Utf8Seq::trim_partial_tail(txt.data(), txt.size()));
    return txt;
}

int HelperDispNum::conv_from_str(const char* txt, double& nat) const
{
    if (txt == nullptr)
        return ERR_CONV;

    if (_log_flag && find_infinite(txt))
    {
        nat = limit(0, _val_min, _val_max);
        return 0;
    }

    double v = 0;
    switch (_type)
    {
    case Type_INT:
    {
        long val = 0;
        const char* end = nullptr;
        if (!read_long(txt, val, 10, end))
            return ERR_CONV;
        v = double(val);
        break;
    }
    case Type_NOTE:
    {
        const char* end = nullptr;
        const int idx = detect_note(txt, end);
        if (idx < 0)
            return ERR_CONV;
        long octave = 0;
        const char* end_oct = nullptr;
        if (!read_long(end, octave, 0, end_oct))
            return ERR_CONV;
        v = double(octave) * 12 + idx;
        // Cents are read in base 10: the "+08" and "-09" that the display writes are no octal.
        long cents = 0;
        const char* end_cents = nullptr;
        if (read_long(end_oct, cents, 10, end_cents))
            v += double(cents) / 100;
        else if (errno == ERANGE)
            return ERR_CONV;
        break;
    }
    case Type_FRAC:
        if (!scan_frac(txt, v))
            return ERR_CONV;
        break;
    case Type_RATIO:
    case Type_RATIO_INV:
        if (!scan_ratio(txt, v, _type))
            return ERR_CONV;
        break;
    case Type_FLOAT:
    default:
        if (!read_double(txt, v))
            return ERR_CONV;
        break;
    }

    double val = (v - _offset) / _scale;
    if (_log_flag)
        val = std::exp(val);
    if (std::isnan(val))
        return ERR_CONV;
    nat = limit(val, _val_min, _val_max);
    return 0;
}

std::string HelperDispNum::print_frac(double val, long max_len)
{
    if (!std::isfinite(val))
        return print_non_finite(val);
    if (val < 0)
        return "-" + print_frac(-val, max_len - 1);

    char buf[64];
    if (val >= double(std::numeric_limits<int>::max()))
    {
        std::snprintf(buf, sizeof(buf), "%.0f", std::floor(val));
        return buf;
    }

    int i = int(std::floor(val));
    const double f = val - i;
    long room = max_len - 1;
    if (i > 0)
        room -= count_digits(i);
    int num = 0;
    int den = 1;
    find_frac(num, den, f, room);
    if (num >= den)
    {
        if (i < std::numeric_limits<int>::max())
            ++i;
        num = 0;
    }

    std::string txt;
    if (i > 0 || num == 0)
    {
        std::snprintf(buf, sizeof(buf), "%d", i);
        txt = buf;
    }
    if (num > 0)
    {
        if (i > 0)
            txt += ' ';
        std::snprintf(buf, sizeof(buf), "%d%s%d", num, "/", den);
        txt += buf;
    }
    return txt;
}

void HelperDispNum::find_frac(int& num, int& den, double val, long max_len)
{
    const long half = max_len / 2;
    const int num_digits = limit_int(half, 1, 4);
    const int den_digits = limit_int(max_len - half, 1, 4);
    search_frac(num, den, val, pow10_int(num_digits), pow10_int(den_digits));
}

void HelperDispNum::search_frac(int& num, int& den, double val, double num_limit, double den_limit)
{
    if (!(val > 0))
        val = 0; // also NaN
    double best_num = 0;
    int best_den = 1;
    double best_err = 1;
    for (int pos = 0; pos < NBR_FRAC_DEN; ++pos)
    {
        const int r = _frac_den_list[pos];
        const double t = std::floor(r * val + 0.5);
        const bool fit_flag =
            (t < num_limit && r < den_limit) || (10 * t < num_limit && r <= 10 * den_limit - 1);
        if (!fit_flag)
            break;
        const double err = std::fabs(val - t / r);
        if (err < best_err)
        {
            if (num_limit >= 11 && pos >= FRAC_POS_STOP && t >= 9)
                break;
            best_num = t;
            best_den = r;
            best_err = err;
        }
    }
    num = int(best_num);
    den = best_den;
}

int HelperDispNum::scan_frac_tokens(const char* txt, double val_arr[3])
{
    constexpr int max_run = 15;
    int nbr_tokens = 0;
    if (txt == nullptr)
        return 0;
    const char* pos = txt;
    for (int k = 0; k < 3; ++k)
    {
        char* end = nullptr;
        const double v = std::strtod(pos, &end);
        if (end == pos)
            break;
        val_arr[k] = v;
        ++nbr_tokens;
        pos = end;
        if (k == 2)
            break;
        int run = 0;
        while (run < max_run && (pos[run] == '/' || pos[run] == ' '))
            ++run;
        if (run == 0)
            break;
        ++nbr_tokens;
        pos += run;
    }
    return nbr_tokens;
}

bool HelperDispNum::scan_frac(const char* txt, double& val)
{
    double v_arr[3] = {0, 0, 0};
    const int nbr_tokens = scan_frac_tokens(txt, v_arr);
    double v = 0;
    switch (nbr_tokens)
    {
    case 1:
    case 2:
        v = v_arr[0];
        break;
    case 3:
    case 4:
        if (std::fabs(v_arr[1]) < 1e-9)
            return false;
        v = v_arr[0] / v_arr[1];
        break;
    case 5:
        if (std::fabs(v_arr[2]) < 1e-9)
            return false;
        v = v_arr[0] + v_arr[1] / v_arr[2];
        break;
    default:
        return false;
    }
    if (!std::isfinite(v))
        return false;
    val = v;
    return true;
}

bool HelperDispNum::scan_ratio(const char* txt, double& val, Type type)
{
    if (txt == nullptr)
        return false;
    constexpr size_t max_part = 63;
    std::string part_arr[2];
    int nbr_parts = 1;
    const char* colon = std::strchr(txt, ':');
    if (colon != nullptr)
    {
        part_arr[0].assign(txt, txt::Utf8Seq::find_cut_bytes(txt, size_t(colon - txt), max_part));
        const char* second = colon + 1;
        part_arr[1].assign(second, txt::Utf8Seq::find_cut_bytes(second, std::strlen(second), max_part));
        nbr_parts = 2;
    }
    else
    {
        part_arr[0].assign(txt, txt::Utf8Seq::find_cut_bytes(txt, std::strlen(txt), max_part));
        if (part_arr[0].empty())
            return false;
    }

    double pq_arr[2] = {1, 1};
    for (int k = 0; k < nbr_parts; ++k)
    {
        if (find_infinite(part_arr[k].c_str()))
            pq_arr[1 - k] = 0;
        else if (!read_double(part_arr[k].c_str(), pq_arr[k]))
            return false;
    }
    double p = pq_arr[0];
    double q = pq_arr[1];
    if (p == 0 && q == 0)
    {
        p = 1;
        q = 1;
    }

    double v = 0;
    if (type == Type_RATIO_INV)
    {
        if (p == 0)
            return false;
        v = q / p;
    }
    else
    {
        if (q == 0)
            return false;
        v = p / q;
    }
    if (!std::isfinite(v))
        return false;
    val = v;
    return true;
}

int HelperDispNum::detect_note(const char* txt, const char*& end)
{
    if (txt == nullptr)
        return -1;
    for (int idx = 11; idx >= 0; --idx)
    {
        const char* found = std::strstr(txt, _note_0_list[idx]);
        if (found != nullptr)
        {
            end = found + std::strlen(_note_0_list[idx]);
            return idx;
        }
    }
    return -1;
}

bool HelperDispNum::find_infinite(const char* txt)
{
    if (txt == nullptr)
        return false;
    return std::strstr(txt, _inf_0_list[0]) != nullptr || std::strstr(txt, _inf_0_list[1]) != nullptr;
}

} // namespace param
} // namespace zun
