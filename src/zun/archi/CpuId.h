#pragma once

namespace zun
{
namespace archi
{

namespace x86
{
class CpuIdx86;
}

// What the processor offers, read once per process. On a processor without the cpuid
// instruction every feature reads as absent.
class CpuId
{
public:
    // Reads the running processor.
    CpuId();
    CpuId(const CpuId&) = default;
    CpuId& operator=(const CpuId&) = default;

    static const CpuId& use_instance();

    int get_family() const { return _family; }
    int get_model() const { return _model; }
    int get_stepping() const { return _stepping; }

    bool has_mmx() const { return _mmx_flag; }
    bool has_sse() const { return _sse_flag; }
    bool has_sse2() const { return _sse2_flag; }
    bool has_sse3() const { return _sse3_flag; }
    bool has_cmpxchg16b() const { return _cx16_flag; }
    bool has_3dnow() const { return _3dnow_flag; }
    bool has_invariant_tsc() const { return _inv_tsc_flag; }

private:
    friend class x86::CpuIdx86;

    int _family = 0;
    int _model = 0;
    int _stepping = 0;
    bool _mmx_flag = false;
    bool _sse_flag = false;
    bool _sse2_flag = false;
    bool _sse3_flag = false;
    bool _cx16_flag = false;
    bool _3dnow_flag = false;
    bool _inv_tsc_flag = false;
};

} // namespace archi
} // namespace zun
