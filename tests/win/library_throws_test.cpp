// The C++ library's checks still throw, through the program's own throw functions, something a
// window procedure catches and passes on: never an abort.
#include <gtest/gtest.h>

#include <cstring>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace huex {
namespace {

TEST(LibraryThrows, EachCheckThrowsAnExceptionWithText) {
    const struct {
        const char* check;
        std::function<void()> call;
    } cases[] = {
        {"vector::at", [] { (void)std::vector<int>{}.at(1); }},
        {"string::substr", [] { (void)std::string("abc").substr(4); }},
        {"vector::reserve",
         [] {
             std::vector<int> v;
             v.reserve(v.max_size() + 1);
         }},
        {"string::append",
         [] {
             std::string s(1, 'x');
             s.append(s.max_size(), 'y');
         }},
        {"allocator::allocate", [] { (void)std::allocator<int>{}.allocate(~std::size_t{0} / 2); }},
    };
    for (const auto& c : cases) {
        bool thrown = false;
        try {
            c.call();
        } catch (const std::exception& e) {
            thrown = true;
            EXPECT_GT(std::strlen(e.what()), 0u) << c.check;
        }
        EXPECT_TRUE(thrown) << c.check;
    }
}

} // namespace
} // namespace huex
