#include "boards/cyclone5/UI_GpioBoardForm.h"

#include "platform/qt/Pictures.h"

#include <QLabel>

namespace gpioform {

void ShowPicture(QWidget* form, const char* label, const char* picture) {
    auto* image = FormChild<QLabel>(form, label);
    // Scaled to the label: the logos are drawn once for every form.
    image->setPixmap(platform::qt::LoadPicture(picture).scaled(image->size(), Qt::KeepAspectRatio,
                                                               Qt::SmoothTransformation));
}

} // namespace gpioform
