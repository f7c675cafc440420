#pragma once

#include "core/artwork/bitmap.h"
#include "core/artwork/workspace.h"
#include "core/host/host.h"

namespace pistora {

// The two transformations of the artwork bitmap. Both work in place on ws.ArtworkBitmap, show
// their progress in the artwork view and never touch the contour table: the artwork must be
// processed again to obtain contours from the transformed picture.

// "Traitement polygonale": marks the middle of every white gap between copper, column by column
// in green (0,128,0), then row by row in red. A run is a gap when black lies on both of its
// sides; the mark goes to (gap start + closing black) div 2. Pixels of other colours neither
// open nor close a gap. StopRequest is tested before each column and each row (ending that
// pass); window events run and the view is shown after each. Returns false when stopped.
bool MarkGapMiddles(Workspace& ws, Host& host);

// Colour of distance layer k of the pre-processing: red and green 10 k up to 250 (k = 25), 4
// from layer 26 on (260 as a byte), blue k mod 256. Layer 0 is black.
Rgb LayerColour(int k);

// The six phases of "Pré-traitement Typon", over the inner pixels (the one-pixel frame of the
// bitmap never changes). Each returns false when StopRequest ended it early.

// 1. Distance layers: pass k paints every inner white pixel touching layer k-1 with layer k's
//    colour (layer 0 is black), so layer k is the 8-neighbour distance k from copper. Passes
//    repeat until one meets no white pixel; white that nothing can reach any more (cut off
//    from copper) ends the phase instead of looping forever. StopRequest is tested before each
//    column and ends the phase.
bool PaintDistanceLayers(Workspace& ws, Host& host);
// 2. Row ridges: in every run of non-black pixels closed on the right by black, the first pixel
//    with the largest blue byte becomes white when that byte is above 0. Runs reaching the last
//    inner column unclosed are left. StopRequest is tested before each row.
bool KeepRowRidges(Workspace& ws, Host& host);
// 3. Column ridges: the same down each inner column, except that the chosen pixel (the run's
//    first when every blue byte is 0) always becomes white. StopRequest is tested before each
//    column.
bool KeepColumnRidges(Workspace& ws, Host& host);
// 4. Bridging: passes over the loose ends of white lines (white, exactly one white neighbour,
//    no black nor red neighbour), each joined by a white straight line to the nearest white
//    pixel it can see that is not on its own line; an end that sees none stays as it is.
//    Passes repeat until one changes nothing; StopRequest is tested after each pass.
bool BridgeLooseEnds(Workspace& ws, Host& host);
// 5. Pruning: passes painting yellow every inner white pixel with fewer than 2 white
//    neighbours, until a pass changes nothing; StopRequest is tested after each pass.
bool PruneOpenEnds(Workspace& ws, Host& host);
// 6. Blackening: every inner pixel that is not white becomes black. Never stopped.
void BlackenAllButWhite(Workspace& ws, Host& host);

// "Pré-traitement Typon ( en phase de codage )": the six phases in order. It does not clear
// StopRequest: a stop ends the phase running, and while the flag stays set the later phases run
// as far as their first test. Returns false when any phase was stopped.
bool PreprocessArtwork(Workspace& ws, Host& host);

}  // namespace pistora
