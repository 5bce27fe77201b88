#pragma once

#include <string>

namespace zun
{
namespace txt
{

// A format text split around its single printf conversion, for formats that must never reach
// snprintf as they are: only the rebuilt conversion is handed to it, with an argument of the
// matching type, and the literal parts are copied around the result.
class PrintfFormat
{
public:
    enum Kind
    {
        Kind_DOUBLE = 0, // f F e E g G a A
        Kind_INT,        // d i
        Kind_STRING      // s
    };

    // Largest width or precision accepted, so that no conversion pads to absurd lengths.
    static constexpr int MAX_FIELD = 999;

    // Reads the conversion starting at fmt (which points at '%'), a flag run, a width and a
    // precision of up to three digits and a conversion letter. Returns the number of bytes read, 0
    // when fmt does not hold such a conversion ("%%" is no conversion either).
    int parse_conv(const char* fmt);

    // Splits fmt into literal prefix, one conversion of the given kind and literal suffix, with
    // "%%" turned into "%". False when fmt has no conversion of that kind, another conversion or
    // a stray '%'; the object is then unchanged.
    bool parse_format(const char* fmt, Kind kind);

    // The conversion alone, rebuilt from its checked parts.
    std::string build_conv() const;

    std::string format_double(double val) const;
    std::string format_int(int val) const;
    // Precision counts bytes but never cuts a UTF-8 sequence; width counts characters.
    std::string format_string(const std::string& val) const;

    const std::string& use_prefix() const { return _prefix; }
    const std::string& use_suffix() const { return _suffix; }
    char get_conv() const { return _conv; }

private:
    std::string _flags;
    int _width = -1;
    int _prec = -1;
    char _conv = 's';
    std::string _prefix;
    std::string _suffix;
};

} // namespace txt
} // namespace zun
