#include "gui/value_bridge.h"

#include "zun/param/Tools.h"

#include <algorithm>
#include <cmath>

namespace
{
// Hosts pass 0 or huge numbers as often as real lengths.
int textLength(int maximumStringLength)
{
    return (maximumStringLength <= 0) ? 64 : std::min(maximumStringLength, 256);
}

// Host values this close to the current one are its echo: below what a host's float or a
// six-digit default can tell apart, and far below anything audible.
constexpr float kEchoTolerance = 1e-6f;

float toHost(double nrm)
{
    return std::isfinite(nrm) ? float(std::clamp(nrm, 0.0, 1.0)) : 0.0f;
}
} // namespace

ValueBridge::ValueBridge(const ParameterDetails& details, cr::Value* value, const juce::String& idPrefix)
    : juce::AudioProcessorParameterWithID(juce::ParameterID(idPrefix + juce::String(details.id), 1),
                                          juce::String::fromUTF8(details.desc->get_name(15).c_str())),
      _details(&details), _value(value)
{
}

float ValueBridge::getValue() const
{
    return toHost(desc().conv_nat_to_nrm(_value->value()));
}

void ValueBridge::setValue(float v)
{
    // Hosts have been seen to send NaN and values past the ends.
    if (_listener == nullptr || !std::isfinite(v))
        return;
    const double x = desc().conv_nrm_to_nat(std::clamp(double(v), 0.0, 1.0));
    // A host that hands back the value it read (as a float, or as the six digits the LV2
    // description gives a default) must not move the control off its exact value; a value the
    // control cannot hold (an enum between two items) still goes through and is snapped.
    // An out-of-range value is likewise brought back.
    const double cur = _value->value();
    const double back = desc().conv_nrm_to_nat(desc().conv_nat_to_nrm(cur));
    const bool in_range = cur >= desc().get_nat_min() && cur <= desc().get_nat_max();
    if (in_range && std::abs(v - getValue()) <= kEchoTolerance &&
        std::abs(back - cur) <= 1e-9 * (1.0 + std::abs(cur)))
        return;
    _listener->parameterChanged(_details->id, x);
}

float ValueBridge::getDefaultValue() const
{
    return toHost(desc().conv_nat_to_nrm(_details->default_value));
}

juce::String ValueBridge::getName(int) const
{
    return juce::String::fromUTF8(desc().get_name(15).c_str());
}

juce::String ValueBridge::getPlainText(float v, int maximumStringLength) const
{
    const double x = desc().conv_nrm_to_nat(std::clamp(double(v), 0.0, 1.0));
    return juce::String::fromUTF8(desc().conv_nat_to_str(x, textLength(maximumStringLength)).c_str()) +
           juce::String::fromUTF8(desc().get_unit(5).c_str());
}

juce::String ValueBridge::getText(float v, int maximumStringLength) const
{
    return getPlainText(v, maximumStringLength);
}

float ValueBridge::getValueForText(const juce::String& text) const
{
    double x = 0.0;
    if (!desc().conv_str_to_nat(x, text.toStdString()) || !std::isfinite(x))
        return 0.0f;
    return toHost(desc().conv_nat_to_nrm(x));
}

TempoValueBridge::TempoValueBridge(const ParameterDetails& details, cr::Value* control, cr::Value* tempo,
                                   cr::Value* other, const juce::String& idPrefix)
    : ValueBridge(details, control, idPrefix), _tempo(tempo), _other(other)
{
}

juce::String TempoValueBridge::getText(float v, int maximumStringLength) const
{
    // The value already is in beats; the tempo only matters for the seconds it stands for.
    (void)_tempo;
    if (_other == nullptr || _other->value() != 1.0)
        return getPlainText(v, maximumStringLength);
    const double x = desc().conv_nrm_to_nat(std::clamp(double(v), 0.0, 1.0));
    return juce::String::fromUTF8(zun::param::Tools::print_beat_fraction(x, 16).c_str()) + " beat";
}

float TempoValueBridge::getValueForText(const juce::String& text) const
{
    // Read the way getText shows it.
    if (_other == nullptr || _other->value() != 1.0)
        return ValueBridge::getValueForText(text);
    const std::string count = text.upToFirstOccurrenceOf("beat", false, true).toStdString();
    bool ok = true;
    // A duration at 60 beats per minute is the beat count itself.
    const double beats = zun::param::Tools::scan_time_beats(count.c_str(), ok, 60.0);
    if (!ok)
        return 0.0f;
    return toHost(desc().conv_nat_to_nrm(std::clamp(beats, desc().get_nat_min(), desc().get_nat_max())));
}
