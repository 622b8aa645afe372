#include "store/NameList.h"

#include <stdexcept>
#include <string>

NameList::NameList(int capacity) : capacity_(capacity) {}

const QString& NameList::at(int i) const
{
    if (i < 1 || i > count())
        throw std::out_of_range("name index " + std::to_string(i));
    return names_.at(i - 1);
}

bool NameList::append(const QString& name)
{
    if (isFull())
        return false;
    names_.append(name);
    return true;
}

void NameList::assign(const QStringList& names)
{
    if (names.size() > capacity_)
        throw std::length_error("more names than the list holds");
    names_ = names;
}
