// Preloaded into the check host by the tests that prove the check bites: it takes the place of the
// maths functions the engine calls while it processes, and makes each call break the real-time
// rules (CRENZEL_RTVIOLATE=lock locks a mutex, anything else allocates) before it does the real
// work. Outside the real-time context the extra work is harmless.
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <pthread.h>

namespace
{
bool use_lock = false;
pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;

void misbehave()
{
    if (use_lock)
    {
        pthread_mutex_lock(&mutex);
        pthread_mutex_unlock(&mutex);
        return;
    }
    void* volatile p = std::malloc(64);
    std::free(p);
}

template <typename F>
F next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

using D1 = double (*)(double);
using D2 = double (*)(double, double);
using F1 = float (*)(float);
using F2 = float (*)(float, float);
// Looked up before main, so that no lookup happens inside the real-time context.
D1 real_sin, real_cos, real_tan, real_exp, real_log, real_tanh;
D2 real_pow;
F1 real_expf, real_sinf, real_cosf, real_tanf, real_logf;
F2 real_powf;

__attribute__((constructor)) void init()
{
    const char* kind = std::getenv("CRENZEL_RTVIOLATE");
    use_lock = kind != nullptr && std::strcmp(kind, "lock") == 0;
    real_sin = next<D1>("sin");
    real_cos = next<D1>("cos");
    real_tan = next<D1>("tan");
    real_exp = next<D1>("exp");
    real_log = next<D1>("log");
    real_tanh = next<D1>("tanh");
    real_pow = next<D2>("pow");
    real_expf = next<F1>("expf");
    real_sinf = next<F1>("sinf");
    real_cosf = next<F1>("cosf");
    real_tanf = next<F1>("tanf");
    real_logf = next<F1>("logf");
    real_powf = next<F2>("powf");
}
} // namespace

extern "C"
{
    // clang-format off
    double sin(double x) { misbehave(); return real_sin(x); }
    double cos(double x) { misbehave(); return real_cos(x); }
    double tan(double x) { misbehave(); return real_tan(x); }
    double exp(double x) { misbehave(); return real_exp(x); }
    double log(double x) { misbehave(); return real_log(x); }
    double tanh(double x) { misbehave(); return real_tanh(x); }
    double pow(double x, double y) { misbehave(); return real_pow(x, y); }
    float expf(float x) { misbehave(); return real_expf(x); }
    float sinf(float x) { misbehave(); return real_sinf(x); }
    float cosf(float x) { misbehave(); return real_cosf(x); }
    float tanf(float x) { misbehave(); return real_tanf(x); }
    float logf(float x) { misbehave(); return real_logf(x); }
    float powf(float x, float y) { misbehave(); return real_powf(x, y); }
    // clang-format on
}
