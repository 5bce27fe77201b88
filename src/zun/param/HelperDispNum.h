#pragma once

#include "zun/txt/PrintfFormat.h"

#include <string>

namespace zun
{
namespace param
{

// Shows a natural value as text in its display unit and reads such text back.
// Displayed = natural * scale + offset, on ln(natural) when log is set.
class HelperDispNum
{
public:
    enum Type
    {
        Type_FLOAT = 0,
        Type_INT,
        Type_NOTE,
        Type_FRAC,
        Type_RATIO,
        Type_RATIO_INV,

        Type_NBR_ELT
    };

    enum Preset
    {
        Preset_FLOAT_STD = 0,
        Preset_FLOAT_PERCENT,
        Preset_FLOAT_MILLI,
        Preset_FLOAT_MICRO,
        Preset_DB,
        Preset_DB_FROM_LOG2,
        Preset_INT,
        Preset_INT_BASE_1,
        Preset_MIDI_NOTE,
        Preset_SEMITONES,
        Preset_CENTS,
        Preset_FREQ_NOTE,
        Preset_FRAC,
        Preset_RATIO,
        Preset_RATIO_INV,

        Preset_NBR_ELT
    };

    // Returned by conv_from_str for unreadable text.
    static constexpr int ERR_CONV = -1000;

    static const char* const _inf_0_list[2];
    static const char* const _note_0_list[12];
    static constexpr int NBR_FRAC_DEN = 21;
    static const int _frac_den_list[NBR_FRAC_DEN];

    HelperDispNum();
    HelperDispNum(const HelperDispNum&) = default;
    HelperDispNum& operator=(const HelperDispNum&) = default;
    virtual ~HelperDispNum() = default;

    void set_type(Type type);
    void set_log(bool log_flag);
    // Sets type, log, scale and offset; the format and the range are kept. Unknown presets are ignored.
    void set_preset(Preset preset);
    // A format without exactly one double conversion (f, e, g or a, with flags, a width and a
    // precision of at most three digits each) is replaced by "%f".
    void set_print_format(const char* format);
    void set_range(double val_min, double val_max);
    void set_scale(double scale);
    void set_offset(double offset);

    bool is_ok() const;
    double get_val_min() const { return _val_min; }
    double get_val_max() const { return _val_max; }
    double get_scale() const { return _scale; }
    double get_offset() const { return _offset; }
    Type get_type() const { return _type; }
    bool is_log() const { return _log_flag; }
    const std::string& get_print_format() const { return _print_format; }

    // Writes at most max_len bytes plus a terminating zero into txt (max_len + 1 bytes), never
    // cutting a UTF-8 sequence. A negative max_len counts as 0. Always returns 0.
    int conv_to_str(double nat, char* txt, long max_len) const;
    std::string conv_to_str(double nat, long max_len) const;

    // 0 with nat written and limited to the range, or ERR_CONV with nat untouched.
    int conv_from_str(const char* txt, double& nat) const;

    // Whole number and fraction of a value >= 0 in about max_len characters.
    static std::string print_frac(double val, long max_len);
    // Closest fraction num/den of 0 <= val < 1 whose digits fit in max_len characters.
    static void find_frac(int& num, int& den, double val, long max_len);
    // The fraction search of find_frac with explicit limits on the numerator and denominator.
    static void search_frac(int& num, int& den, double val, double num_limit, double den_limit);
    static bool scan_frac(const char* txt, double& val);
    // Reads up to three numbers, each but the last followed by a run of at most 15 '/' and ' '.
    // Returns the number of numbers and runs read; val_arr receives the numbers.
    static int scan_frac_tokens(const char* txt, double val_arr[3]);
    static bool scan_ratio(const char* txt, double& val, Type type);
    // Index 0..11 of the first note name (sharps before naturals) found in txt, -1 when none;
    // end then points past it.
    static int detect_note(const char* txt, const char*& end);
    static bool find_infinite(const char* txt);

private:
    std::string conv_to_str_raw(double nat, long max_len) const;

    double _scale = 1;
    double _offset = 0;
    double _val_max = 0;
    double _val_min = 0;
    std::string _print_format;
    txt::PrintfFormat _print_conv;
    Type _type = Type_FLOAT;
    bool _log_flag = false;
};

} // namespace param
} // namespace zun
