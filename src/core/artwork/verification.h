#pragma once

#include <functional>
#include <optional>

#include "core/artwork/bitmap.h"
#include "core/artwork/contour_drawing.h"
#include "core/artwork/scale.h"
#include "core/artwork/workspace.h"
#include "core/host/host.h"

namespace pistora {

// "&Vérifier le fichier de gravure": clears StopRequest, fills the engraving bitmap white,
// then draws useless contours yellow, useful ones black and pads as green drill marks of
// 2 * hole_size + 1 pixels.
void VerifyView(Workspace& ws, Host& host, int hole_size);

// What the verification panel shows for the selected contour.
struct SelectionPanel {
  ContourCounters counters;  // "Nombre de pistes utiles", "Nombre de perçages"
  bool pad_checked = false;      // "Pastille"
  bool useless_checked = false;  // "Inutile"
  friend bool operator==(const SelectionPanel&, const SelectionPanel&) = default;
};

// The panel for contour `index` (both boxes clear when it is not a contour).
SelectionPanel PanelFor(const ContourTable& table, int index);

// A change of the contour number ("N° de piste :") to n: the previous selection is drawn in
// its normal look (a pad as its green drill mark, a useless contour yellow, another black),
// n is drawn blue (a pad as a blue mark), SelectedContour becomes n and the engraving view
// is shown. Indices outside the table draw nothing.
SelectionPanel SelectContour(Workspace& ws, Host& host, int n, int hole_size);

// True when (x, y), in path coordinates, is the start of contour i or a point its steps
// visit. With a host, lets window events run before each step and ends the walk when
// StopRequest is set.
bool PointOnContour(const Workspace& ws, int i, int x, int y, Host* host = nullptr);

// Colour shown by the engraving view at a point of the view (pixels from its top left);
// nullopt where the view shows no picture.
using ReadViewColour = std::function<std::optional<Rgb>(int view_x, int view_y)>;

// The view's colours when it shows the engraving bitmap scrolled by (hpos, vpos).
ReadViewColour EngravingViewColours(const Workspace& ws, int hpos, int vpos);

// Right-click selection on the engraving view at (view_x, view_y), the view scrolled by
// (hpos, vpos). A white point takes the colour and position of the last non-white point of
// its 3 x 3 neighbourhood (dx outer, dy inner, from -1 to +1; points where the view shows no
// picture are passed over). Then by colour: black gives the first useful contour through the
// point, yellow the first useless one, green the first pad whose centre lies at a rounded
// distance below 5 pixels; anything else nothing.
std::optional<int> ContourAtViewPoint(const Workspace& ws, int view_x, int view_y, int hpos, int vpos,
                                      const ReadViewColour& read_view_colour, Host* host = nullptr);

// Where contour `c` lies in the bitmap, for a view to centre on it: the middle of its bounding
// box (its CenterX, CenterY) as a column and a row of a bitmap `height` rows high.
PixelPoint ContourCentre(const Contour& c, int height);

// "Pastille" clicked: the contour's IsPad takes the box's state, and a pad is no longer useless.
// Out-of-range indices do nothing.
void SetPadFlag(ContourTable& table, int index, bool checked);

// "Inutile" clicked: refused for a pad (returns true: the box must be unchecked again and
// IsUseless is unchanged); otherwise IsUseless takes the box's state and false is returned.
bool SetUselessFlag(ContourTable& table, int index, bool checked);

// The six browse commands: the new contour number from v. A search upwards stops at the first
// match or at the last contour, downwards at the first match or at 0; the end is taken even
// when it does not match. With no contour, v is returned.
int NextPad(const ContourTable& table, int v);
int PreviousPad(const ContourTable& table, int v);
int NextUsefulTrack(const ContourTable& table, int v);
int PreviousUsefulTrack(const ContourTable& table, int v);
int NextUselessContour(const ContourTable& table, int v);
int PreviousUselessContour(const ContourTable& table, int v);

}  // namespace pistora
