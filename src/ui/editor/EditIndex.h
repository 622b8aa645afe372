#pragma once

// The slot of the record the editor changes in edit mode. Only the edit command writes it, just
// before it opens the editor; it keeps its value until the next edit.
extern int EditIndex;
