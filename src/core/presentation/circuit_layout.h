#pragma once
// The drawing of the circuit as a figure-8 of squares, one per site, each with its
// number: on the "movie" page (PaintBox1), in the scheme window and in the report.
// circuitLayout places the sites for a paint box of W x H pixels; the painters read
// siteDrawTable and the square sizes below.
//
// The left rectangle and the middle line hold the inner loop (site 1 at the top of the
// middle line, the connection site at its bottom), the right rectangle the outer loop;
// the delay path runs right from the centre above the figure, the first dead-end
// pathway right and the second left from the centre, level with their connection site
// when it lies on the middle line, otherwise below the figure.

#include "model/circuit_model.h"
#include "presentation/status_bar.h"

namespace quorel {

// Sites 0..100 (site 0 is never drawn).
constexpr int kSiteDrawSlots = 101;

struct SiteDrawEntry {
    Rgb colour = 0;  // siteColour(site, highlight)
    int x = 0;       // centre of the square, pixels of the paint box
    int y = 0;
};

// siteDrawTable: the sites of the circuit with their colours and the centres of their
// squares, and the paint-box size the centres belong to.
struct SiteDrawTable {
    SiteDrawEntry sites[kSiteDrawSlots] = {};
    int siteCount = 0;  // N: sites 1..N are drawn
    int width = 0;      // W and H of the paint box laid out for
    int height = 0;
};

// circuitLayout: fills `table` for a paint box of width x height pixels. Every division
// of whole numbers truncates toward zero, as do the positions along the paths.
void circuitLayout(const CircuitModel& m, int width, int height, SiteDrawTable& table);

// The three picture sizes of the "movie" page: RadioButtonSS1 "S", RadioButtonSS2 "M",
// RadioButtonSS3 "L".
enum class MovieSquareSize { S, M, L };
// The three sizes of the scheme window: RadioButton1 "Small", RadioButton2 "Medium",
// RadioButton3 "Large".
enum class SchemeSquareSize { Small, Medium, Large };

// A square's side in pixels and its number's font size in points (Arial bold).
struct SquareLook {
    int side = 0;
    int fontPoints = 0;
};
SquareLook movieSquareLook(MovieSquareSize size, int largeFonts);
SquareLook schemeSquareLook(SchemeSquareSize size, int largeFonts);

// The numbers are blue on the square's colour.
constexpr Rgb kSiteNumberColour = 0x0000FF;
// Behind the squares.
constexpr Rgb kCircuitBackground = 0x000000;

// The square of side w centred on (x, y): left = x - w/2, top = y - w/2, right and
// bottom (exclusive) = x + w - w/2 and y + w - w/2.
PixelRect siteSquare(int x, int y, int side);
// The top-left corner of the site's number: (x - w/2 + 2, y - w/2).
PixelPoint siteNumberOrigin(int x, int y, int side);

// A coordinate of the movie picture (laid out for `mainExtent` pixels) in a picture of
// `ownExtent` pixels: trunc(v / (mainExtent / ownExtent)). 0 when either extent is not
// positive.
int scaledCoordinate(int v, int mainExtent, int ownExtent);

}  // namespace quorel
