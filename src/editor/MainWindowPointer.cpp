// The pointer on the label surface, the transform and align commands of the tool window and
// the arrow keys. The handlers only translate events; the pointer tool and the transforms
// do the work.
#include "editor/LabelViewPanel.h"
#include "editor/MainWindow.h"
#include "editor/ObjectListPanel.h"
#include "editor/ToolWindowPanel.h"
#include "editor/Transforms.h"
#include "model/MessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeWidget>

namespace {

template <typename Control>
Control* control(const QWidget* parent, const char* name)
{
    return parent->findChild<Control*>(QString::fromLatin1(name));
}

} // namespace

void TfrmMain::createPointerWiring()
{
    ImageSurface* surface = m_view->surface();
    // Hovering shows the object under the pointer, so moves count without a button held.
    surface->setMouseTracking(true);
    m_pointer.setSurfaces({&surface->image(), &m_view->rowRuler()->image(), &m_view->columnRuler()->image()});
    // The window sees the surface's pointer events, and every key before the control with
    // the focus does.
    qApp->installEventFilter(this);

    const auto bind = [this](const char* name, void (TfrmMain::*handler)()) {
        connect(control<QAbstractButton>(m_toolWindow, name), &QAbstractButton::clicked, this,
                guarded([this, handler] { (this->*handler)(); }));
    };
    bind("btnCopy", &TfrmMain::btnCopyClick);
    bind("btnMove", &TfrmMain::btnMoveClick);
    bind("btnAlign", &TfrmMain::btnAlignClick);
    bind("rbLeft", &TfrmMain::rbLeftClick);
    bind("rbRight", &TfrmMain::rbRightClick);
    bind("rbTop", &TfrmMain::rbTopClick);
    bind("rbBottom", &TfrmMain::rbBottomClick);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_view->surface()) {
        if (type == QEvent::Leave)
            m_pointer.PointerLeave();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove
            && type != QEvent::MouseButtonRelease)
            return false;
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        runShowingFailure([&] {
            if (type == QEvent::MouseMove)
                backimageMouseMove(mouse->buttons(), mouse->modifiers(), at.x(), at.y());
            else if (type == QEvent::MouseButtonRelease)
                backimageMouseUp(mouse->button(), mouse->modifiers(), at.x(), at.y());
            else
                backimageMouseDown(mouse->button(), mouse->modifiers(), at.x(), at.y(),
                                   type == QEvent::MouseButtonDblClick);
        });
        // The surface itself goes on to see the event: the right button opens the label's menu.
        return false;
    }
    if (type == QEvent::KeyPress) {
        // Only keys meant for this window's own controls, not for a dialog above it.
        const auto* target = qobject_cast<const QWidget*>(watched);
        bool nudged = false;
        if (target && target->window() == this)
            runShowingFailure([&] { nudged = FormKeyDown(static_cast<const QKeyEvent*>(event)->key()); });
        if (nudged)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::backimageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y,
                                  bool doubleClick)
{
    showPointerReply(m_pointer.PointerDown(button, shift, {x, y}, doubleClick));
}

void TfrmMain::backimageMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x, int y)
{
    // The object list takes the keyboard, but never from a box the operator is typing in:
    // a Delete meant for the text would delete the selected objects.
    if (!qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        m_toolWindow->objectList()->setFocus();
    if (buttons & Qt::RightButton)
        return;
    showPointerReply(m_pointer.PointerMove({x, y}));
}

void TfrmMain::backimageMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y)
{
    if (button != Qt::RightButton)
        showPointerReply(m_pointer.PointerUp({x, y}));
}

void TfrmMain::showPointerReply(const PointerReply& reply)
{
    m_view->surface()->setCursor(reply.cursor);
    if (reply.redraw)
        redraw(true);
    else
        m_view->surface()->update();
    m_view->rowRuler()->update();
    m_view->columnRuler()->update();
}

bool TfrmMain::FormKeyDown(int key)
{
    // Only with the pointer resting inside an object (the move cursor shows) and a selection.
    const std::optional<QPointF> offset = nudgeOffset(key);
    if (!offset || m_pointer.state() != PointerTool::State::Idle || m_pointer.cursor() != Qt::SizeAllCursor
        || m_document.SelectedCount() == 0)
        return false;
    const auto dx = static_cast<float>(offset->x());
    const auto dy = static_cast<float>(offset->y());
    Transform(m_document, dx, dy, Placement::Relative, TransformAction::Move);
    // The pointer goes as far as the boxes did, so that it stays on the moved object.
    QCursor::setPos(QCursor::pos() + QPoint(m_document.ToPixels(dx), m_document.ToPixels(dy)));
    redraw(true);
    return true;
}

void TfrmMain::transformByFields(TransformAction action)
{
    const bool relative = control<QCheckBox>(m_toolWindow, "chbRelative")->isChecked();
    if (TransformTyped(m_document, m_toolWindow->offsetX()->text(), m_toolWindow->offsetY()->text(),
                       relative ? Placement::Relative : Placement::Absolute, action))
        redraw(true);
}

void TfrmMain::btnCopyClick()
{
    transformByFields(TransformAction::Copy);
}

void TfrmMain::btnMoveClick()
{
    transformByFields(TransformAction::Move);
}

void TfrmMain::btnAlignClick()
{
    const auto checked = [this](const char* name) {
        return control<QAbstractButton>(m_toolWindow, name)->isChecked();
    };
    const AlignMode mode =
        alignModeOf(checked("rbCenter"), checked("rbRight"), checked("rbTop"), checked("rbMiddle"), checked("rbBottom"));
    Align(m_document, mode,
          m_toolWindow->alignModeIndex() == 1 ? AlignReference::Label : AlignReference::LastClicked);
    redraw(true);
}

// The edge buttons preset a 10 mm step towards their edge and put the keyboard in the
// field that changes.
void TfrmMain::presetOffset(const QString& x, const QString& y, bool focusVertical)
{
    m_toolWindow->offsetX()->setText(x);
    m_toolWindow->offsetY()->setText(y);
    (focusVertical ? m_toolWindow->offsetY() : m_toolWindow->offsetX())->setFocus();
}

void TfrmMain::rbLeftClick()
{
    presetOffset(QStringLiteral("-10"), QStringLiteral("0"), false);
}

void TfrmMain::rbRightClick()
{
    presetOffset(QStringLiteral("10"), QStringLiteral("0"), false);
}

void TfrmMain::rbTopClick()
{
    presetOffset(QStringLiteral("0"), QStringLiteral("-10"), true);
}

void TfrmMain::rbBottomClick()
{
    presetOffset(QStringLiteral("0"), QStringLiteral("10"), true);
}
