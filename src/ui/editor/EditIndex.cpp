#include "ui/editor/EditIndex.h"

int EditIndex = 0;
