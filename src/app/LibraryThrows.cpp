// How the C++ library's own checks throw (a vector grown past its largest size, substr past the
// end, ...). The library's versions of these functions live in one file that builds std::logic_error
// and its kin from the message, and those carry the library's older reference-counted std::string:
// linking them brings that whole second string, the random device and the new string's members
// besides, a twelfth of the program. The program treats every exception alike (a window procedure
// stores whatever it catches and the run ends with it) and shows no message, so these throw the
// standard class where it carries no text and an error of the program's own with the library's
// text otherwise. They must cover every function of that file: if the library ever calls one
// missing here, its file comes back and the link fails on the functions defined twice.
#include <exception>
#include <new>
#include <typeinfo>

namespace huex {
namespace {

class LibraryError : public std::exception {
  public:
    explicit LibraryError(const char* what) noexcept : what_(what) {}
    [[nodiscard]] const char* what() const noexcept override { return what_; }

  private:
    const char* what_;
};

} // namespace
} // namespace huex

// NOLINTBEGIN(cert-dcl58-cpp,bugprone-reserved-identifier): the library's own names, on purpose.
namespace std {

void __throw_bad_alloc() {
    throw bad_alloc();
}
void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}
void __throw_bad_cast() {
    throw bad_cast();
}
void __throw_bad_typeid() {
    throw bad_typeid();
}
void __throw_bad_exception() {
    throw bad_exception();
}
void __throw_logic_error(const char* what) {
    throw huex::LibraryError(what);
}
void __throw_domain_error(const char* what) {
    throw huex::LibraryError(what);
}
void __throw_invalid_argument(const char* what) {
    throw huex::LibraryError(what);
}
void __throw_length_error(const char* what) {
    throw huex::LibraryError(what);
}
void __throw_out_of_range(const char* what) {
    throw huex::LibraryError(what);
}
// The message is a printf format whose values are left out.
void __throw_out_of_range_fmt(const char* format, ...) {
    throw huex::LibraryError(format);
}
void __throw_runtime_error(const char* what) {
    throw huex::LibraryError(what);
}
void __throw_range_error(const char* what) {
    throw huex::LibraryError(what);
}
void __throw_overflow_error(const char* what) {
    throw huex::LibraryError(what);
}
void __throw_underflow_error(const char* what) {
    throw huex::LibraryError(what);
}

} // namespace std
// NOLINTEND(cert-dcl58-cpp,bugprone-reserved-identifier)
