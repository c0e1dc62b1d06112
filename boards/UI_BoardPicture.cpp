#include "boards/UI_BoardPicture.h"

#include "app/Shape.h"
#include "platform/qt/Pictures.h"

#include <QLabel>

std::map<std::string, TShape*> ShowBoardPicture(QLabel* image, const BoardPicture& picture) {
    image->setPixmap(platform::qt::LoadPicture(picture.resource));
    image->resize(picture.width, picture.height);
    const QPoint origin = image->pos();
    std::map<std::string, TShape*> outlines;
    for (const PicturePart& part : picture.parts) {
        if (!part.outline) {
            continue;
        }
        auto* shape =
            new TShape(image->parentWidget(),
                       QRect(origin.x() + part.x, origin.y() + part.y, part.width, part.height),
                       Qt::yellow, OutlineWidth(picture, part), part.dotted);
        shape->setObjectName(part.outline);
        shape->setVisible(false);
        shape->raise();
        outlines[part.outline] = shape;
    }
    return outlines;
}
