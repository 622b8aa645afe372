#include "store/DateText.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTextTest, NormalizesValidDatesAndRejectsTheRest)
{
    const struct
    {
        const char16_t* text;
        const char16_t* normalized; // "" when invalid
    } cases[] = {
        {u"2026/1/5", u"2026/01/05"},
        {u"2026-01-05", u"2026/01/05"},
        {u"2026.1.05", u"2026/01/05"},
        {u"2026年1月5日", u"2026/01/05"},
        {u"2026年12月31日", u"2026/12/31"},
        {u"  2026/12/31\t", u"2026/12/31"},
        {u"2024/2/29", u"2024/02/29"},
        {u"2000/2/29", u"2000/02/29"},
        {u"2023/2/29", u""},
        {u"1900/2/29", u""},
        {u"2026/4/31", u""},
        {u"2026/4/30", u"2026/04/30"},
        {u"2026/1/0", u""},
        {u"2026/0/1", u""},
        {u"2026/13/1", u""},
        {u"0000/1/1", u""},
        {u"0999/1/1", u""},
        {u"1000/1/1", u"1000/01/01"},
        {u"2026/1-5", u""},
        {u"2026-1/5", u""},
        {u"2026年1月5", u""},
        {u"2026年1-5日", u""},
        {u"26/1/5", u""},
        {u"20261/1/5", u""},
        {u"2026/001/5", u""},
        {u"2026//5", u""},
        {u"２０２６/1/5", u""},
        {u"2026 / 1 / 5", u""},
        {u"2026/1/5x", u""},
        {u"abc", u""},
        // The stored form itself.
        {u"2026/01/05", u"2026/01/05"},
        {u"2023/02/29", u""},
        {u"0999/01/01", u""},
        {u"2026/00/10", u""},
        {u"2026-01/05", u""},
        {u"２０２６/01/05", u""},
        {u"2026/01/0５", u""},
        {u"", u""},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(DateText::normalized(text), QString::fromUtf16(c.normalized))
            << text.toStdString();
        EXPECT_EQ(DateText::parse(text).has_value(), *c.normalized != u'\0') << text.toStdString();
    }
}

TEST(DateTextTest, ParseGivesTheCalendarDay)
{
    EXPECT_EQ(DateText::parse(u"2026年3月9日"), QDate(2026, 3, 9));
    EXPECT_EQ(DateText::parse(DateText::today()), QDate::currentDate());
}

} // namespace
