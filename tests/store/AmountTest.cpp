#include "store/Amount.h"

#include <QString>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

namespace {

TEST(AmountTest, FromTextReadsTheLeadingNumber)
{
    const struct
    {
        const char16_t* text;
        double value;
    } cases[] = {
        // clang-format off
        // Blanks anywhere, text after the number
        {u"1,000", 1},       {u"100元", 100},     {u" 1 5 ", 15},      {u"1\t0\n0", 100},
        {u"1\r2", 1},        {u"1.2.3", 1.2},     {u"", 0},            {u"abc", 0},
        {u"元100", 0},        {u"３", 0},
        // Signs and decimal points
        {u"-20", -20},       {u"+7", 7},          {u"2.50", 2.5},      {u".5", 0.5},
        {u"5.", 5},          {u".", 0},           {u"-", 0},           {u"+.", 0},
        {u"--1", 0},
        // Exponents, taken only with digits
        {u"1.5D2", 150},     {u"2d-2", 0.02},     {u"1.5e-3", 0.0015}, {u"1E+2", 100},
        {u"1 e 3", 1000},    {u"1e", 1},          {u"2E+", 2},         {u"3d-x", 3},
        {u"4E5x", 4e5},
        // Hexadecimal and octal
        {u"&H10", 16},       {u"&h1f", 31},       {u"& H f", 15},      {u"&O17", 15},
        {u"&o18", 1},        {u"&H", 0},          {u"&HZZ", 0},        {u"&X1", 0},
        {u"-&H10", 0},
        // Beyond the range of a double
        {u"1E999", 0},       {u"-1e999", 0},      {u"1e-999", 0},      {u"0e99999999999", 0},
        {u"4.94e-324", 4.94e-324},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Amount::fromText(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(AmountTest, OverlongHexReadsZero)
{
    EXPECT_EQ(Amount::fromText(QStringLiteral("&H") + QString(300, u'F')), 0);
    EXPECT_DOUBLE_EQ(Amount::fromText(QStringLiteral("&H") + QString(16, u'F')), 0x1p64 - 1);
}

TEST(AmountTest, ToTextWritesTheGeneralForm)
{
    const struct
    {
        double value;
        const char16_t* text;
    } cases[] = {
        {1500, u"1500"},
        {100, u"100"},
        {1234.5, u"1234.5"},
        {0.1, u"0.1"},
        {0.1 + 0.2, u"0.3"},
        {-2.5, u"-2.5"},
        {0, u"0"},
        {-0.0, u"0"},
        {0.0001, u"0.0001"},
        {9.999999999999999e-5, u"0.0001"}, // rounds up into fixed form
        {999999999999999, u"999999999999999"},
        {999999999999999.9, u"1E+15"}, // rounds up into exponent form
        {1e15, u"1E+15"},
        {1.5e15, u"1.5E+15"},
        {-1e100, u"-1E+100"},
        {123456789012345678.0, u"1.23456789012346E+17"},
        {0.123456789012345678, u"0.123456789012346"},
        {2.5e-5, u"2.5E-05"},
        {-1e-300, u"-1E-300"},
        {std::numeric_limits<double>::max(), u"1.79769313486231E+308"}, // ...232 reads back as 0
        // A total beyond the range counts as 0, as a typed number beyond it does.
        {std::numeric_limits<double>::infinity(), u"0"},
        {-std::numeric_limits<double>::infinity(), u"0"},
        {std::numeric_limits<double>::quiet_NaN(), u"0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Amount::toText(c.value), QString::fromUtf16(c.text)) << c.value;
}

TEST(AmountTest, WrittenFormReadsBackToItself)
{
    const char16_t* texts[] = {
        u"1,000",   u"-0",       u"999999999999999.5",  u"2.5e-5",
        u"1.8E308", u"4.9e-324", u"&HFFFFFFFFFFFFFFFF", u"3.14159265358979323846"};
    for (const char16_t* t : texts) {
        const QString once = Amount::toText(Amount::fromText(QString::fromUtf16(t)));
        EXPECT_EQ(Amount::toText(Amount::fromText(once)), once) << once.toStdString();
    }

    // Arbitrary bit patterns cover every exponent, subnormals included.
    std::mt19937_64 random(20240229);
    for (int i = 0; i < 20000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value))
            continue;
        const QString once = Amount::toText(value);
        ASSERT_EQ(Amount::toText(Amount::fromText(once)), once) << value;
    }
}

} // namespace
