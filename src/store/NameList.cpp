#include "store/NameList.h"

#include <stdexcept>

NameList::NameList(int capacity) : capacity_(capacity) {}

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
