#pragma once

#include "store/ReferenceLists.h"

#include <QString>

// Which reference list a list editor edits, and how it speaks of it.
struct ListMode
{
    QString caption;
    QString word;           // "分類", "物品", "借用人"
    QString fileName;       // the list's file in the program folder
    QString deleteQuestion; // asked before a name is deleted
    bool isCategories;      // records follow renames and deletions; the category filter is rebuilt
    NameList ReferenceLists::*list;

    NameList& listIn(ReferenceLists& lists) const { return lists.*list; }
    // What the user is told when the list holds all it can: "最多只能增加500筆分類".
    QString fullText(const NameList& names) const;

    static const ListMode& categories();
    static const ListMode& items();
    static const ListMode& borrowers();
};
