#include "Property.h"

#include <cstdio>
#include <cstdlib>

void require(bool holds, const char* property, const QString& detail)
{
    if (holds)
        return;
    std::fprintf(stderr, "property failed: %s\n", property);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", detail.toUtf8().constData());
    std::abort();
}
