#pragma once

// The main window's client area is designed in twips as one, the toolbar at its top and the
// filters and the list below it.
namespace MainLayout {

// The toolbar's designed height.
constexpr int ToolbarTwips = 735;

} // namespace MainLayout
