#pragma once

#include "dsp/plugin_common.h"
#include "dsp/value.h"

#include <juce_audio_processors/juce_audio_processors.h>

// One control published to the host as an automatable parameter. It translates between the
// host's normalised values and the control's natural ones and reports host changes to its
// listener; it never changes the control itself.
// Derived from the parameter class that carries an id: the format clients take it as the
// parameter's identity (otherwise they use its index), so automation survives changes to the list.
class ValueBridge : public juce::AudioProcessorParameterWithID
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void parameterChanged(int id, double value) = 0;
    };

    // idPrefix goes before the decimal control id; see PluginProcessor for why LV2 needs one.
    ValueBridge(const ParameterDetails& details, cr::Value* value, const juce::String& idPrefix = {});
    ~ValueBridge() override = default;

    void setListener(Listener* listener) { _listener = listener; }
    int getControlId() const { return _details->id; }

    float getValue() const override;
    void setValue(float v) override;
    float getDefaultValue() const override;
    juce::String getName(int maximumStringLength) const override;
    juce::String getLabel() const override { return {}; }
    juce::String getText(float v, int maximumStringLength) const override;
    float getValueForText(const juce::String& text) const override;
    bool isAutomatable() const override { return true; }

protected:
    const zun::param::ParamDescInterface& desc() const { return *_details->desc; }
    juce::String getPlainText(float v, int maximumStringLength) const;

    const ParameterDetails* _details;
    cr::Value* _value;
    Listener* _listener = nullptr;
};

// A length in beats: while its "Time"/"Tempo" switch is on "Tempo", the host sees the value as a
// beat fraction.
class TempoValueBridge : public ValueBridge
{
public:
    // other is the control's "Time"/"Tempo" switch.
    TempoValueBridge(const ParameterDetails& details, cr::Value* control, cr::Value* tempo, cr::Value* other,
                     const juce::String& idPrefix = {});

    float getValue() const override { return ValueBridge::getValue(); }
    void setValue(float v) override { ValueBridge::setValue(v); }
    juce::String getText(float v, int maximumStringLength) const override;
    // While the switch is on tempo, reads the beat counts that getText shows ("1 1/2 beat").
    float getValueForText(const juce::String& text) const override;

private:
    cr::Value* _tempo;
    cr::Value* _other;
};
