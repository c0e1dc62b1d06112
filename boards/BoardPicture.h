#pragma once
// A board's picture as one table of labelled rectangles: tools/make_pictures
// draws the picture from it, and the board's form lays its outlines over
// the picture from the same rows, so each outline frames its part. Pixel
// coordinates inside the picture.

#include "model/BoardId.h"

#include <cstdint>
#include <span>

// How a part is drawn.
enum class PartLook : std::uint8_t {
    Fpga,       // the FPGA, with the family's name
    Chip,       // an IC
    Memory,     // a memory IC
    Header,     // a pin header
    Connector,  // a socket at the board's edge (VGA, RS232, jacks, SD card)
    Leds,       // a row of LEDs
    Keys,       // push buttons
    Switches,   // slide switches
    Display,    // seven-segment digits
    Lcd,        // a character display
    Oscillator, // a crystal oscillator
    Power,      // the power socket and switch
};

struct PicturePart {
    const char* outline; // the form's outline over the part ("ShapeLED"); nullptr: none
    const char* label;   // the text drawn on the part
    int x, y, width, height;
    PartLook look;
    bool dotted = false; // the outline is a dotted line, thinner than a solid one
};

struct BoardPicture {
    BoardId board;
    const char* resource; // the picture's resource name
    const char* family;   // the FPGA family drawn on the FPGA and on the form's badge
    const char* badge;    // the resource name of the family badge
    int width, height;
    std::span<const PicturePart> parts;
    // The pen widths of the form's outlines, solid and dotted. The picture
    // keeps its labels clear of them.
    int outlineWidth = 4;
    int dottedWidth = 1;
};

// The pen width of a part's outline on its form.
inline int OutlineWidth(const BoardPicture& picture, const PicturePart& part) {
    return part.dotted ? picture.dottedWidth : picture.outlineWidth;
}

// The resource name of the maker's wordmark the forms show.
inline constexpr const char* kMakerLogoPicture = "QUELMAR_LOGO";

// Registers a picture table at static initialisation: one object per table,
// at namespace scope of the board's <Board>Picture.cpp.
struct BoardPictureRegistrar {
    explicit BoardPictureRegistrar(const BoardPicture& picture);
};

// The boards whose picture is drawn from a table, in board id order, and the
// one of a board (nullptr for none).
std::span<const BoardPicture* const> BoardPictures();
const BoardPicture* FindBoardPicture(BoardId board);
// The part with this outline, or nullptr.
const PicturePart* FindPicturePart(const BoardPicture& picture, const char* outline);
