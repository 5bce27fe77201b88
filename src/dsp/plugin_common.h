#pragma once

#include "zun/param/ParamDescInterface.h"

#include <atomic>
#include <map>
#include <vector>

// A value written on one thread and read on another without tearing; relaxed order, since each
// field stands alone. Reads and writes look like those of the plain value.
template <typename T>
class RelaxedAtomic
{
public:
    RelaxedAtomic(T v = T()) : _v(v) {}
    RelaxedAtomic(const RelaxedAtomic& other) : _v(other.load()) {}
    RelaxedAtomic& operator=(const RelaxedAtomic& other)
    {
        store(other.load());
        return *this;
    }
    RelaxedAtomic& operator=(T v)
    {
        store(v);
        return *this;
    }
    operator T() const { return load(); }
    T load() const { return _v.load(std::memory_order_relaxed); }
    void store(T v) { _v.store(v, std::memory_order_relaxed); }

private:
    std::atomic<T> _v;
};

// Registry record of one control.
struct ParameterDetails
{
    int id = -1;
    double default_value = 0.0;
    const zun::param::ParamDescInterface* desc = nullptr;
};

// Control id -> details, in ascending id. Records are never moved once stored (std::map nodes),
// so pointers to them stay valid for the registry's life.
class ParameterDetailsLookup
{
public:
    using Map = std::map<int, ParameterDetails>;

    // The first registration of an id wins.
    void registerParameterDetails(int id, const ParameterDetails& details) { _details.emplace(id, details); }
    bool isParameter(int id) const { return _details.count(id) != 0; }
    // Null for an id that is not registered.
    const ParameterDetails* getDetails(int id) const;
    bool isInitialised() const { return !_details.empty(); }
    void clear() { _details.clear(); }
    const Map& getAllDetails() const { return _details; }

private:
    Map _details;
};

class Parameters
{
public:
    void registerParameterDetails(int id, const ParameterDetails& details)
    {
        _lookup.registerParameterDetails(id, details);
    }
    bool isParameter(int id) const { return _lookup.isParameter(id); }
    const ParameterDetails* getDetails(int id) const { return _lookup.getDetails(id); }
    bool isInitialised() const { return _lookup.isInitialised(); }
    const ParameterDetailsLookup::Map& getAllDetails() const { return _lookup.getAllDetails(); }

private:
    ParameterDetailsLookup _lookup;
};

// The macro curve.
class WavePath
{
public:
    enum Type
    {
        Type_LINEAR = 0,
        Type_SQUARE,
        Type_CUBIC,
        Type_SQUARE_INV,
        Type_CUBIC_INV,
        Type_NBR_ELT
    };

    // With curve_min == curve_max the curve is a step at curve_min.
    double getValueAt(double x) const;

    // Edited on the message thread, applied on the audio thread.
    RelaxedAtomic<int> type{Type_LINEAR};
    RelaxedAtomic<double> curve_min{0.0};
    RelaxedAtomic<double> curve_max{1.0};
};

class ModulationConnection
{
public:
    ModulationConnection(int src, int dst) : source(src), destination(dst) {}
    void resetConnection(int src, int dst)
    {
        source = src;
        destination = dst;
    }

    int source;
    int destination;
    // Set by the audio thread when it applies a queued change, read by the editor and the patch
    // writer.
    RelaxedAtomic<double> amount{0.0};
};

class MacroConnection
{
public:
    MacroConnection(int src, int dst) : source(src), destination(dst) {}
    void resetConnection(int src, int dst)
    {
        source = src;
        destination = dst;
    }

    int source;
    int destination;
    RelaxedAtomic<double> amount{0.0};
    WavePath curve;
};

// Pool of connections, never shrinking. Used by the thread that edits connections.
template <typename T>
class ModulationConnectionBank
{
public:
    static constexpr int kGrowth = 256;

    ModulationConnectionBank() { allocateMoreConnections(); }
    ModulationConnectionBank(const ModulationConnectionBank&) = delete;
    ModulationConnectionBank& operator=(const ModulationConnectionBank&) = delete;
    ~ModulationConnectionBank()
    {
        for (T* c : _all)
            delete c;
        _free.clear();
    }

    void allocateMoreConnections()
    {
        // The free list is a ring over a vector sized for every connection, so returning one never
        // allocates.
        std::vector<T*> free;
        free.reserve(_all.size() + kGrowth);
        for (size_t i = 0; i < _nbr_free; ++i)
            free.push_back(_free[(_head + i) % _free.size()]);
        for (int i = 0; i < kGrowth; ++i)
        {
            T* c = new T(-1, -1);
            _all.push_back(c);
            free.push_back(c);
        }
        _nbr_free = free.size();
        free.resize(_all.size(), nullptr);
        _free.swap(free);
        _head = 0;
    }

    T* get(int source, int destination)
    {
        if (_nbr_free == 0)
            allocateMoreConnections();
        T* c = _free[_head];
        _head = (_head + 1) % _free.size();
        --_nbr_free;
        c->resetConnection(source, destination);
        return c;
    }

    // Back to the end of the free list. A connection that is already free, or not from this bank,
    // is ignored.
    void giveBack(T* c)
    {
        if (c == nullptr || _nbr_free >= _all.size() || isFree(c) || !owns(c))
            return;
        _free[(_head + _nbr_free) % _free.size()] = c;
        ++_nbr_free;
    }

    size_t getNumFree() const { return _nbr_free; }
    size_t getNumAll() const { return _all.size(); }
    const std::vector<T*>& getAll() const { return _all; }

private:
    bool isFree(const T* c) const
    {
        for (size_t i = 0; i < _nbr_free; ++i)
            if (_free[(_head + i) % _free.size()] == c)
                return true;
        return false;
    }
    bool owns(const T* c) const
    {
        for (const T* o : _all)
            if (o == c)
                return true;
        return false;
    }

    std::vector<T*> _all;
    std::vector<T*> _free;
    size_t _head = 0;
    size_t _nbr_free = 0;
};
