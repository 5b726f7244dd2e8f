#pragma once

// How finely our pictures are drawn for a target. The drawing surface works
// in whole device pixels per pixel: for a fractional device pixel ratio
// (1.25, 1.5) a picture is drawn at the next whole ratio and scaled down
// smoothly where it meets the target, which is sharper than enlarging the
// picture of the whole ratio below.

class QImage;
class QPainter;
class QPoint;

namespace ostrak {

// The device pixel ratio rounded up to a whole number, at least 1.
int DrawingScale(double devicePixelRatio);
// The same for what `painter` draws on, read from its device transform: the
// target's own ratio, also when a widget is rendered into an image of some
// other ratio than its screen's.
int DrawingScale(const QPainter& painter);
// Draws a picture made at a whole scale (its device pixel ratio set) at its
// size in pixels with its top-left at `at`; smoothly when the target's ratio
// differs, pixel for pixel when it is the same.
void DrawScaledImage(QPainter& painter, const QPoint& at, const QImage& image);

}  // namespace ostrak
