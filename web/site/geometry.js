// Sizes of the page that the layout table does not hold, in twips, shared by
// the site's build and the browser tests.

// The menu bar above the client area: one line of the window's font.
export const menuBarTwips = 285;
// The title bar of a dialog.
export const titleBarTwips = 285;
// Font sizes are in points; a point is 20 twips.
export const twipsPerPoint = 20;
// One designed pixel.
export const twipsPerPixel = 15;
