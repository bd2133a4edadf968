#pragma once
// A reference shape's colour as the colour editor shows it: each byte as a float, byte / 255.

// The four bytes as floats in 0..1.
void ColourToFloats(const unsigned char bytes[4], float floats[4]);

// Each float times 255, truncated. The editor lets typed values leave 0..1 (and "nan"
// through), so values are held within 0..255 and one that is not a number keeps its byte.
void ColourFromFloats(const float floats[4], unsigned char bytes[4]);
