#include "pictures/ViewInput.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace pictures {

std::optional<common::ViewKey> viewKeyOf(const QKeyEvent& event) {
    if (!event.modifiers().testFlag(Qt::ControlModifier))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Left:
        return common::ViewKey::Left;
    case Qt::Key_Right:
        return common::ViewKey::Right;
    case Qt::Key_Up:
        return common::ViewKey::Up;
    case Qt::Key_Down:
        return common::ViewKey::Down;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return common::ViewKey::ZoomIn;
    case Qt::Key_Minus:
        return common::ViewKey::ZoomOut;
    default:
        return std::nullopt;
    }
}

common::ZoomAxes wheelAxes(const QWheelEvent& event) {
    if (event.modifiers().testFlag(Qt::ShiftModifier))
        return common::ZoomAxes::XOnly;
    if (event.modifiers().testFlag(Qt::ControlModifier))
        return common::ZoomAxes::YOnly;
    return common::ZoomAxes::Both;
}

int wheelTurn(const QWheelEvent& event) {
    const QPoint angle = event.angleDelta();
    return angle.y() != 0 ? angle.y() : angle.x();
}

bool startsPan(const QMouseEvent& event, bool shiftLeftIsFree) {
    if (event.button() == Qt::MiddleButton)
        return true;
    return shiftLeftIsFree && event.button() == Qt::LeftButton &&
           event.modifiers().testFlag(Qt::ShiftModifier);
}

} // namespace pictures
