#include "zun/param/Tools.h"

#include "zun/param/HelperDispNum.h"
#include "zun/param/ParamDescInterface.h"
#include "zun/txt/PrintfFormat.h"
#include "zun/txt/Utf8Seq.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace zun
{
namespace param
{

void Tools::print_beat_fraction(char* txt, double beats, int max_len)
{
    if (txt == nullptr)
        return;
    const std::string res = print_beat_fraction(beats, max_len);
    txt::Utf8Seq::copy_cut(txt, (max_len > 0) ? size_t(max_len) : 0, res.data(), res.size());
}

std::string Tools::print_beat_fraction(double beats, int max_len)
{
    if (max_len <= 0)
        return std::string();
    if (std::isnan(beats))
        return txt::Utf8Seq::cut_bytes("nan", size_t(max_len));
    if (beats < 0)
        return (max_len > 1) ? "-" + print_beat_fraction(-beats, max_len - 1) : std::string();

    // A hair below a fraction still prints as that fraction.
    const double v = beats * 1.00001;
    char buf[64];
    if (!(v < double(std::numeric_limits<int>::max())))
    {
        if (std::isinf(v))
            std::snprintf(buf, sizeof(buf), "inf");
        else
            std::snprintf(buf, sizeof(buf), "%.0f", std::floor(v));
        return txt::Utf8Seq::cut_bytes(buf, size_t(max_len));
    }

    const int i = int(std::floor(v));
    std::string int_txt;
    int space = 0;
    if (i >= 1)
    {
        std::snprintf(buf, sizeof(buf), "%d", i);
        int_txt = buf;
        space = int(int_txt.size()) + 1;
    }

    const int room = max_len - space - 1;
    std::string res;
    if (room < 2)
    {
        if (space <= max_len)
            res = int_txt;
    }
    else
    {
        const int half = room / 2;
        const double num_limit = std::pow(10.0, std::min(half, 4));
        const double den_limit = std::pow(10.0, std::min(room - half, 4));
        int num = 0;
        int den = 1;
        HelperDispNum::search_frac(num, den, v - i, num_limit, den_limit);
        if (i == 0 && num == 0)
            res = "0";
        else if (num == den)
        {
            std::snprintf(buf, sizeof(buf), "%d", i + 1);
            res = buf;
        }
        else if (num > 0 && i > 0)
        {
            std::snprintf(buf, sizeof(buf), "%d %d/%d", i, num, den);
            res = buf;
        }
        else if (num > 0)
        {
            std::snprintf(buf, sizeof(buf), "%d/%d", num, den);
            res = buf;
        }
        else
            res = int_txt;
    }
    return txt::Utf8Seq::cut_bytes(res, size_t(max_len));
}

double Tools::scan_time_beats(const char* txt, bool& ok, double bpm)
{
    double v_arr[3] = {0, 0, 0};
    const int nbr_tokens = HelperDispNum::scan_frac_tokens(txt, v_arr);
    const int nbr_numbers = (nbr_tokens + 1) / 2;
    for (int k = 0; k < nbr_numbers && k < 3; ++k)
    {
        if (v_arr[k] < 0 || !std::isfinite(v_arr[k]))
        {
            ok = false;
            return 0;
        }
    }

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
            ok = false;
        else
            v = v_arr[0] / v_arr[1];
        break;
    case 5:
        if (std::fabs(v_arr[2]) < 1e-9)
            ok = false;
        else
            v = v_arr[0] + v_arr[1] / v_arr[2];
        break;
    default:
        ok = false;
        break;
    }
    // A tempo that is not a positive finite number gives no duration.
    if (!(bpm > 0) || !std::isfinite(bpm))
        ok = false;
    if (!ok)
        return 0;
    const double sec = v * 60 / bpm;
    if (!std::isfinite(sec))
    {
        ok = false;
        return 0;
    }
    return sec;
}

int Tools::get_note(double freq)
{
    const double n = std::floor(12 * std::log2(freq / 440) + 0.5);
    if (std::isnan(n))
        return 0;
    if (n < -NOTE_LIMIT)
        return -NOTE_LIMIT;
    if (n > NOTE_LIMIT)
        return NOTE_LIMIT;
    return int(n);
}

double Tools::get_freq(int note)
{
    return 440 * std::exp2((double(note) - 69) / 12);
}

std::string Tools::print_name_bestfit(unsigned long n, const char* multi_line)
{
    if (multi_line == nullptr)
        return std::string();
    const char* choice = nullptr;
    size_t choice_bytes = 0;
    size_t choice_chars = 0;
    const char* line = multi_line;
    while (*line != '\0')
    {
        const char* lf = std::strchr(line, '\n');
        const size_t nbr_bytes = (lf != nullptr) ? size_t(lf - line) : std::strlen(line);
        if (nbr_bytes > 0)
        {
            const size_t nbr_chars = txt::Utf8Seq::count_chars(line, nbr_bytes);
            const bool fit_flag = (nbr_chars <= n);
            const bool choice_fit_flag = (choice_chars <= n);
            if (choice == nullptr || (fit_flag && nbr_chars > choice_chars) ||
                (nbr_chars < choice_chars && !choice_fit_flag))
            {
                choice = line;
                choice_bytes = nbr_bytes;
                choice_chars = nbr_chars;
            }
        }
        if (lf == nullptr)
            break;
        line = lf + 1;
    }
    if (choice == nullptr)
        return std::string();
    return std::string(choice, txt::Utf8Seq::find_cut_chars(choice, choice_bytes, n));
}

std::string Tools::print_name_index(const char* tmpl, int index)
{
    constexpr size_t max_bytes = 1023;
    if (tmpl == nullptr)
        return std::string();
    std::string res;
    for (const char* p = tmpl; *p != '\0' && res.size() <= max_bytes;)
    {
        if (*p != '%')
        {
            res += *p;
            ++p;
            continue;
        }
        if (p[1] == '%')
        {
            res += '%';
            p += 2;
            continue;
        }
        txt::PrintfFormat conv;
        const int len = conv.parse_conv(p);
        if (len > 0 && (conv.get_conv() == 'd' || conv.get_conv() == 'i'))
        {
            res += conv.format_int(index);
            p += len;
        }
        else
        {
            res += *p;
            ++p;
        }
    }
    return txt::Utf8Seq::cut_bytes(res, max_bytes);
}

double Tools::conv_nat_to_modulated(double nat, double mod, int categ, double val_min, double val_max)
{
    const bool scaled_flag =
        (categ == ParamDescInterface::Categ_TIME_S || categ == ParamDescInterface::Categ_TIME_BEATS);
    return limit_nat(scaled_flag ? nat + mod * val_max : nat + mod, val_min, val_max);
}

std::string Tools::get_name_fit(const std::string& multi_line, int len)
{
    if (len <= 0)
        return multi_line;
    return print_name_bestfit((unsigned long)len, multi_line.c_str());
}

} // namespace param
} // namespace zun
