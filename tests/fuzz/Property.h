#pragma once

#include <QString>

// A property every input must keep. When it fails the run stops with a message, and libFuzzer
// keeps the input that broke it.
void require(bool holds, const char* property, const QString& detail = {});
