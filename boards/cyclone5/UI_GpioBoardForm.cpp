#include "boards/cyclone5/UI_GpioBoardForm.h"

#include "app/Shape.h"
#include "platform/Assert.h"
#include "platform/qt/Pictures.h"

#include <QLabel>

#include <string>

namespace gpioform {

QWidget* Child(QWidget* form, const char* name) {
    QWidget* widget = form->findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget) {
        const std::string message = std::string("the form's layout has a control ") + name;
        PINSMITH_FAIL(message.c_str());
    }
    return widget;
}

std::vector<TShape*> Shapes(QWidget* form, const char* names) {
    std::vector<TShape*> shapes;
    for (const QString& name : QString::fromLatin1(names).split(' ', Qt::SkipEmptyParts)) {
        auto* shape = qobject_cast<TShape*>(Child(form, name.toLatin1().constData()));
        PINSMITH_ASSERT(shape != nullptr);
        shapes.push_back(shape);
    }
    return shapes;
}

void ShowPicture(QWidget* form, const char* label, const char* picture) {
    auto* image = qobject_cast<QLabel*>(Child(form, label));
    PINSMITH_ASSERT(image != nullptr);
    // Scaled to the label: the logos are drawn once for every form.
    image->setPixmap(platform::qt::LoadPicture(picture).scaled(image->size(), Qt::KeepAspectRatio,
                                                               Qt::SmoothTransformation));
}

} // namespace gpioform
