#include "dsp/value.h"

Value::Value(double value, bool controlRate) : Processor(1, 3, controlRate), _value(value)
{
    output(0)->fill(value, output(0)->size());
}

void Value::process()
{
    // Runs for every control at every chunk: store only what changes. Output 0 already holds the
    // value, since set() publishes it over the whole buffer.
    if (_modulation.load(std::memory_order_relaxed) != 0.0)
        _modulation.store(0.0, std::memory_order_relaxed);
    if (_macro.load(std::memory_order_relaxed) != 0.0)
        _macro.store(0.0, std::memory_order_relaxed);
}

void Value::set(double v)
{
    _value.store(v, std::memory_order_relaxed);
    output(0)->fill(v, output(0)->size());
}

void Value::set_modulation(double m)
{
    _modulation.store(m, std::memory_order_relaxed);
    output(1)->set(0, m);
}

void Value::set_macro(double m)
{
    _macro.store(m, std::memory_order_relaxed);
    output(2)->set(0, m);
}
