#include "dsp/processor.h"

Output::Output(int size) : _buffer(new std::atomic<double>[size > 0 ? size : 1]), _size(size > 0 ? size : 1)
{
    clearBuffer();
}

void Output::clearBuffer()
{
    fill(0.0, _size);
}

void Output::fill(double v, int nbr)
{
    const int n = nbr < _size ? nbr : _size;
    for (int i = 0; i < n; ++i)
        set(i, v);
}

const Output Processor::_null_source(Processor::kMaxBufferSize);

Processor::Processor(int numInputs, int numOutputs, bool controlRate)
    : _buffer_size(controlRate ? 1 : kMaxBufferSize), _control_rate(controlRate),
      _inputs(new std::vector<Input*>()), _outputs(new std::vector<Output*>())
{
    for (int i = 0; i < numInputs; ++i)
    {
        auto* in = new Input(&_null_source);
        _owned_inputs.push_back(in);
        // Not through the virtual: a derived override is not constructed yet.
        _inputs->push_back(in);
    }
    for (int i = 0; i < numOutputs; ++i)
    {
        Output* out = controlRate ? new cr::Output() : new Output(kMaxBufferSize);
        out->owner = this;
        _owned_outputs.push_back(out);
        _outputs->push_back(out);
    }
}

Processor::~Processor()
{
    Processor::destroy();
}

void Processor::destroy()
{
    for (auto* in : _owned_inputs)
        delete in;
    for (auto* out : _owned_outputs)
        delete out;
    _owned_inputs.clear();
    _owned_outputs.clear();
    delete _inputs;
    delete _outputs;
    _inputs = nullptr;
    _outputs = nullptr;
}

void Processor::setControlRate(bool c)
{
    _control_rate = c;
    if (c)
        _buffer_size = 1;
}

bool Processor::plug(const Output* o, unsigned int i)
{
    if (i >= _inputs->size())
        return false;
    (*_inputs)[i]->source = o;
    return true;
}

bool Processor::plug(const Processor* p, unsigned int i)
{
    return plug(p->output(0), i);
}

void Processor::plugNext(const Output* o)
{
    for (auto* in : *_inputs)
    {
        if (in != nullptr && in->source == &_null_source)
        {
            in->source = o;
            return;
        }
    }
    auto* in = new Input(o);
    _owned_inputs.push_back(in);
    registerInput(in);
}

void Processor::plugNext(const Processor* p)
{
    plugNext(p->output(0));
}

bool Processor::unplugIndex(unsigned int i)
{
    if (i >= _inputs->size())
        return false;
    (*_inputs)[i]->source = &_null_source;
    return true;
}

void Processor::unplug(const Output* o)
{
    for (auto* in : *_inputs)
        if (in != nullptr && in->source == o)
            in->source = &_null_source;
}

void Processor::unplug(const Processor* p)
{
    for (auto* in : *_inputs)
        if (in != nullptr && in->source != nullptr && in->source->owner == p)
            in->source = &_null_source;
}

void Processor::registerInput(Input* in, int i)
{
    while (int(_inputs->size()) <= i)
        _inputs->push_back(nullptr);
    (*_inputs)[size_t(i)] = in;
}

void Processor::registerOutput(Output* out, int i)
{
    while (int(_outputs->size()) <= i)
        _outputs->push_back(nullptr);
    (*_outputs)[size_t(i)] = out;
}

void Processor::registerInput(Input* in)
{
    _inputs->push_back(in);
}

void Processor::registerOutput(Output* out)
{
    _outputs->push_back(out);
}

int Processor::numInputs() const
{
    return _inputs ? int(_inputs->size()) : 0;
}

int Processor::numOutputs() const
{
    return _outputs ? int(_outputs->size()) : 0;
}
