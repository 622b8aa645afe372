#pragma once

#include <QString>
#include <QStringList>

// One reference list: names in slots numbered from 1, in file order, at most capacity() of them.
class NameList
{
public:
    explicit NameList(int capacity);

    int capacity() const { return capacity_; }
    int Next() const { return static_cast<int>(names_.size()) + 1; }
    int count() const { return static_cast<int>(names_.size()); }
    bool isFull() const { return count() >= capacity_; }

    // Slot i, 1 ≤ i ≤ Next − 1; any other index throws std::out_of_range.
    const QString& at(int i) const;
    const QStringList& names() const { return names_; }

    // False, and nothing added, when the list is full.
    bool append(const QString& name);
    // Replaces the whole list; throws std::length_error past the capacity.
    void assign(const QStringList& names);

private:
    int capacity_;
    QStringList names_;
};
