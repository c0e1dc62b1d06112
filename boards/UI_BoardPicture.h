#pragma once
// Shows a board's picture table (boards/BoardPicture.h) on a form: the
// picture in its image control, and one hidden outline per part that names
// one, laid over the part, so that the form shows it while its peripheral
// is ticked or its header holds a card.

#include "boards/BoardPicture.h"

#include <QPoint>

#include <map>
#include <string>

class QLabel;
class QWidget;
class TShape;

// Loads the picture into image and sizes image to it. The outlines are
// children of the image's parent, at the image's place plus the part's
// rectangle: yellow, solid or dotted where the part says so, as wide as the
// picture gives; each named after its outline. Returns them by name.
std::map<std::string, TShape*> ShowBoardPicture(QLabel* image, const BoardPicture& picture);
