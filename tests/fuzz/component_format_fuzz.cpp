// Spec text -> parseFormatSpec -> formatComponent over several fractions. Checks that every
// accepted spec renders within bounds, and that a refused one renders as "error".
#include "pattern/ComponentFormat.h"
#include "pattern/Formatter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view spec(reinterpret_cast<const char*>(data), size);
    huex::ComponentFormat format;
    const bool ok = huex::parseFormatSpec(format, spec);
    if (ok == format.invalid) std::abort();
    if (ok && (format.width < -1 || format.width > 64)) std::abort();
    const double fractions[] = {0.0,
                                1.0,
                                0.5,
                                1.0 / 3.0,
                                -0.25,
                                1.75,
                                1e-300,
                                -0.0,
                                1e300,
                                std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::infinity()};
    for (const double x : fractions) {
        const std::string text = huex::formatComponent(format, x);
        if (!ok && text != "error") std::abort();
        if (text.size() > 400) std::abort();
    }
    const huex::ComponentFormat copy(format.specText);
    if (copy.printfFormat != format.printfFormat || copy.invalid != format.invalid) std::abort();
    return 0;
}
