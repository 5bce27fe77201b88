#pragma once

#include "dsp/processor.h"

#include <atomic>

// One control: its natural value and this chunk's modulation and macro sums. The fields are
// written by the editor or host threads and by the audio thread, so they are atomics; relaxed
// order is enough because each field stands alone.
class Value : public Processor
{
public:
    Value(double value, bool controlRate);

    void process() override;

    virtual double value() const { return _value.load(std::memory_order_relaxed); }
    virtual double get_modulation() const { return _modulation.load(std::memory_order_relaxed); }
    virtual double get_macro() const { return _macro.load(std::memory_order_relaxed); }
    virtual void set(double v);
    virtual void set_modulation(double m);
    virtual void set_macro(double m);

private:
    std::atomic<double> _value;
    std::atomic<double> _modulation{0.0};
    std::atomic<double> _macro{0.0};
};

namespace cr
{
// The class of every control of the engine.
class Value : public ::Value
{
public:
    explicit Value(double value) : ::Value(value, true) {}
    Value(double value, bool controlRate) : ::Value(value, controlRate) {}
};
} // namespace cr
