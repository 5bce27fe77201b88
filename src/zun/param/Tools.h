#pragma once

#include <string>

namespace zun
{
namespace param
{

// Text helpers of the parameter model: beat lengths, notes, and names that fit a length.
class Tools
{
public:
    // Writes beats as a whole number and a fraction ("1 1/2", "3/4"), at most max_len bytes plus a
    // terminating zero into txt (max_len + 1 bytes). Negative values get a leading '-'.
    static void print_beat_fraction(char* txt, double beats, int max_len);
    static std::string print_beat_fraction(double beats, int max_len);

    // Duration in seconds at bpm of a beat count such as "1/4" or "1 1/2". ok must be true on
    // entry and is cleared for text that is no valid non-negative beat count (result 0 then).
    static double scan_time_beats(const char* txt, bool& ok, double bpm);

    // Semitones from A4 (440 Hz) to freq, rounded. Limited to +/-NOTE_LIMIT, 0 for NaN.
    static int get_note(double freq);
    // Frequency of a MIDI note number.
    static double get_freq(int note);

    // The longest line of multi_line that fits in n characters (UTF-8 sequences count as one),
    // or the shortest line cut to n characters when none fits.
    static std::string print_name_bestfit(unsigned long n, const char* multi_line);

    // Every integer conversion ("%d", "%02d"...) of the template receives index; "%%" gives '%'
    // and any other '%' stays as it is. The result is at most 1023 bytes.
    static std::string print_name_index(const char* tmpl, int index);

    // len <= 0: the whole multi-line text, otherwise the best-fitting line.
    static std::string get_name_fit(const std::string& multi_line, int len);

    // Maximum length of a value text: n outside 1..1023 means 1024.
    static int limit_text_len(int n) { return (n < 1 || n > 1023) ? 1024 : n; }

    // val limited to [val_min, val_max]; NaN gives val_min.
    static double limit_nat(double val, double val_min, double val_max)
    {
        if (!(val > val_min))
            return val_min;
        return (val > val_max) ? val_max : val;
    }

    // The modulation rule of the descriptions: for times and beat lengths (categories 1 and 4) mod
    // scales with the maximum, otherwise it adds as it is; limited to the range.
    static double conv_nat_to_modulated(double nat, double mod, int categ, double val_min, double val_max);

    static constexpr int NOTE_LIMIT = 100000;
};

} // namespace param
} // namespace zun
