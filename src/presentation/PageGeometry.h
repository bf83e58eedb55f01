#pragma once

namespace zubolo {

// Tab width and the place of the "Show Hint" check box, both in device pixels.

// Every tab gets the page control's width divided by the number of visible tabs plus one, the
// remainder dropped; the tabs so leave one tab's width free.
int FixedTabWidth(int pageControlWidth, int visibleTabs);

// The left margin that centres a check box of `checkBoxWidth` in one column of a grid panel
// `gridWidth` wide with `columns` equal columns: (grid width div columns - check box width)
// div 2. A column narrower than the check box gives 0 rather than pushing it out of its cell;
// a grid without columns gives 0.
int CenteredLeftMargin(int gridWidth, int columns, int checkBoxWidth);

}  // namespace zubolo
