#pragma once

#include "store/NameList.h"

// The three reference lists whose names the record editor offers, each with its own capacity.
struct ReferenceLists
{
    NameList categories{500};
    NameList items{2500};
    NameList borrowers{500};
};
