#pragma once

#include <atomic>
#include <memory>
#include <vector>

class Processor;

// A buffer of samples that one processor writes and others read. Samples are atomics because
// the audio thread writes them while the editor's meters read them.
class Output
{
public:
    explicit Output(int size);
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    virtual ~Output() = default;

    void clearBuffer();
    int size() const { return _size; }
    double get(int i) const { return _buffer[i].load(std::memory_order_relaxed); }
    void set(int i, double v) { _buffer[i].store(v, std::memory_order_relaxed); }
    void fill(double v, int nbr);

    Processor* owner = nullptr;

private:
    std::unique_ptr<std::atomic<double>[]> _buffer;
    int _size;
};

namespace cr
{
// The one-sample output of a control-rate processor.
class Output : public ::Output
{
public:
    Output() : ::Output(1) {}
};
} // namespace cr

class Input
{
public:
    explicit Input(const Output* src) : source(src) {}
    const Output* source;
};

// A graph node with numbered inputs and outputs. Every node of the engine is control rate:
// one sample per chunk.
class Processor
{
public:
    static constexpr int kMaxBufferSize = 256;
    static const Output _null_source;

    Processor(int numInputs, int numOutputs, bool controlRate);
    Processor(const Processor&) = delete;
    Processor& operator=(const Processor&) = delete;
    virtual ~Processor();

    virtual void destroy();
    virtual void process() = 0;
    virtual void setSampleRate(int rate) { _sample_rate = rate; }
    virtual void setBufferSize(int n) { _buffer_size = _control_rate ? 1 : n; }
    virtual void setControlRate(bool c);

    int getSampleRate() const { return _sample_rate; }
    int getBufferSize() const { return _buffer_size; }
    bool isControlRate() const { return _control_rate; }

    // Plugging reports an index beyond the inputs by returning false.
    bool plug(const Output* o) { return plug(o, 0); }
    bool plug(const Output* o, unsigned int i);
    bool plug(const Processor* p) { return plug(p, 0); }
    bool plug(const Processor* p, unsigned int i);
    void plugNext(const Output* o);
    void plugNext(const Processor* p);

    virtual bool unplugIndex(unsigned int i);
    virtual void unplug(const Output* o);
    virtual void unplug(const Processor* p);

    virtual void registerInput(Input* in, int i);
    virtual void registerOutput(Output* out, int i);
    virtual void registerInput(Input* in);
    virtual void registerOutput(Output* out);
    virtual int numInputs() const;
    virtual int numOutputs() const;

    Input* input(unsigned int i) const { return (*_inputs)[i]; }
    Output* output(unsigned int i) const { return (*_outputs)[i]; }

private:
    int _sample_rate = 44100;
    int _buffer_size = kMaxBufferSize;
    bool _control_rate = false;
    std::vector<Input*> _owned_inputs;
    std::vector<Output*> _owned_outputs;
    std::vector<Input*>* _inputs = nullptr;
    std::vector<Output*>* _outputs = nullptr;
};
