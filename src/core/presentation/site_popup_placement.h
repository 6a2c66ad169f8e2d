#pragma once
// The site pop-up TForm2 ("Select Site"): a borderless window holding one site list
// that drops down by itself beside an ECG channel's label. Where it opens and what it
// preselects. Its items are siteItemText(0 .. totalSiteCount - 1) ("site1" ...), drawn
// as the other site lists but with the text at (left + 2, top + 1); the chosen item
// index + 1 is the site (EcgPage::sitePopupChosen).

#include "model/circuit_model.h"
#include "presentation/shell_layout.h"

namespace quorel {

constexpr int kSitePopupClientWidth = 104;
constexpr int kSitePopupClientHeight = 22;
constexpr int kSitePopupDropDownCount = 16;  // items visible in its open list

struct SitePopupGeometry {
    int mainLeft = 0;  // the main window's outer top-left corner on the screen
    int mainTop = 0;
    double U = 0.0;            // the strip's band height (ecg_geometry.h)
    int pageControlWidth = 0;  // PageControl1
    int visibleTabCount = 0;   // pages whose tabs are shown
};

// Whether every shown tab fits in one row: trunc(width / 62) >= tabs.
bool pageTabsFitOneRow(int pageControlWidth, int visibleTabCount);

// left = main left + 44; top = main top + 144 + trunc((channel + 1) U), 20 pixels
// higher when the tabs fit in one row.
WindowOrigin sitePopupOrigin(const SitePopupGeometry& g, int channel);

// The list item preselected for a channel showing `site` among `itemCount` items.
int sitePopupPreselection(int site, int itemCount);

}  // namespace quorel
