#pragma once

#include <QString>
#include <QStringList>

// One reference list: names in file order, at most capacity() of them.
class NameList
{
public:
    explicit NameList(int capacity);

    int capacity() const { return capacity_; }
    int count() const { return static_cast<int>(names_.size()); }
    bool isFull() const { return count() >= capacity_; }
    const QStringList& names() const { return names_; }

    // False, and nothing added, when the list is full.
    bool append(const QString& name);
    // Replaces the whole list; throws std::length_error past the capacity.
    void assign(const QStringList& names);

private:
    int capacity_;
    QStringList names_;
};
