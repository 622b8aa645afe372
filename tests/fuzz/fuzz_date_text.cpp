#include "Property.h"
#include "store/DateText.h"

#include <QRegularExpression>

#include <cstddef>
#include <cstdint>

// A date the user may type is stored as "yyyy/mm/dd"; the stored form is itself a valid date that
// stores unchanged. Text that is no date stores as nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QRegularExpression storedForm(QStringLiteral("^[0-9]{4}/[0-9]{2}/[0-9]{2}$"));
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QDate> date = DateText::parse(typed);
    const QString stored = DateText::normalized(typed);
    if (!date) {
        require(stored.isEmpty(), "text that is no date stores as nothing", typed);
        return 0;
    }
    require(date->isValid(), "a date read is a real calendar day", typed);
    require(stored == DateText::format(*date), "a date stores in its own stored form", stored);
    require(storedForm.match(stored).hasMatch(), "the stored form is yyyy/mm/dd", stored);
    require(DateText::parse(stored) == date, "the stored form reads as the same day", stored);
    require(DateText::normalized(stored) == stored, "the stored form stores unchanged", stored);
    return 0;
}
