#include "ui/twips.h"

#include "core/numbertext.h"

int twipsToPixels(int twips) {
    return static_cast<int>(roundHalfEven(twips / TwipsPerPixel));
}

QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
