#pragma once
// "Kleuren volgens &Webpuzzel" and "K&leuren volgens Across Lite": the cell and
// background colours of the two sites' looks. The letter colour stays; the
// puzzle file keeps the colours, so the puzzle is marked modified.

class Rooster2Doc;

enum class ColourPreset { Webpuzzel, AcrossLite };

void ApplyColourPreset(Rooster2Doc& doc, ColourPreset preset);
