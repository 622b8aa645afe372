#include "Property.h"
#include "store/Amount.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// The written form of a finite value reads back to itself, and to the value within the 15
// significant digits it keeps. Infinities come only from sums and are written "0".
void checkValue(double value)
{
    if (!std::isfinite(value))
        return;
    const QString written = Amount::toText(value);
    const double back = Amount::fromText(written);
    require(Amount::toText(back) == written, "the written form reads back to itself",
            written + QStringLiteral(" → ") + Amount::toText(back));
    require(std::fabs(back - value) <= 1e-14 * std::fabs(value),
            "the written form keeps 15 significant digits", written);
}

} // namespace

// The input is both a typed amount (UTF-8) and, from its first eight bytes, any double at all.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double read = Amount::fromText(typed);
    require(std::isfinite(read), "typed text reads as a finite number", typed);
    checkValue(read);

    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkValue(value);
    }
    return 0;
}
