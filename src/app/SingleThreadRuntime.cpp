// The program runs all of its C++ code on its one GUI thread (the window, its dialogs, OLE and
// every callback the system makes into it). The compiler's run-time support for threads is then
// only weight: guarding a function's static variables against a second thread, and giving each
// thread its own copy of a thread-local variable (the library keeps the exception being handled
// in one), bring in the whole POSIX thread library, about a twentieth of the program. These are
// the single-threaded forms the compiler's own support library uses where there are no threads.
// Only huex.exe links this file; the tests and benchmarks keep the library's versions.
#include <cstdint>
#include <cstdlib>
#include <cstring>

// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp): the run time's own names.
extern "C" {

// A function's static variable: its guard's first byte says it is made.
int __cxa_guard_acquire(std::int64_t* guard) {
    return *reinterpret_cast<const unsigned char*>(guard) == 0 ? 1 : 0;
}
void __cxa_guard_release(std::int64_t* guard) {
    *reinterpret_cast<unsigned char*>(guard) = 1;
}
void __cxa_guard_abort(std::int64_t* /*guard*/) {} // made again on the next call

// A thread-local variable as the compiler describes it; with one thread its one copy is made on
// first use and kept where the descriptor points.
struct EmulatedTls {
    std::size_t size, align;
    void* copy;
    const void* initialValue; // zeros when null
};

void* __emutls_get_address(void* descriptor) {
    auto* tls = static_cast<EmulatedTls*>(descriptor);
    if (tls->copy == nullptr) {
        const std::size_t align = tls->align > 0 ? tls->align : 1;
        void* block = std::calloc(1, tls->size + align);
        if (block == nullptr) std::abort(); // as the library does: nothing can go on without it
        const auto at = (reinterpret_cast<std::uintptr_t>(block) + align - 1) & ~(std::uintptr_t{align} - 1);
        if (tls->initialValue != nullptr)
            std::memcpy(reinterpret_cast<void*>(at), tls->initialValue, tls->size);
        tls->copy = reinterpret_cast<void*>(at);
    }
    return tls->copy;
}

void __emutls_register_common(void* descriptor, unsigned long long size, unsigned long long align,
                              void* initialValue) {
    auto* tls = static_cast<EmulatedTls*>(descriptor);
    if (tls->size < size) {
        tls->size = size;
        tls->initialValue = nullptr;
    }
    if (tls->align < align) tls->align = align;
    if (initialValue != nullptr && size == tls->size) tls->initialValue = initialValue;
}

} // extern "C"
// NOLINTEND(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
