#include "editor/LabelViewPanel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace {

const QColor rulerColour(255, 255, 0);
const QColor areaColour(128, 128, 128);

} // namespace

ImageSurface::ImageSurface(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageSurface::resetImage(QSize size, const QColor& fill)
{
    const QSize bounded(std::max(0, size.width()), std::max(0, size.height()));
    m_image = QImage(bounded, QImage::Format_RGB32);
    m_image.fill(fill);
    resize(bounded);
    update();
}

void ImageSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

LabelViewPanel::LabelViewPanel(QWidget* parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("ScrollBox1"));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, areaColour);
    setPalette(grey);
    setBackgroundRole(QPalette::Window);
    setWidgetResizable(false);

    m_contents = new QWidget;
    m_contents->setObjectName(QStringLiteral("ScrollBox1Contents"));
    m_contents->setAutoFillBackground(true);
    m_contents->setPalette(grey);
    m_surface = new ImageSurface(QStringLiteral("backimage"), m_contents);
    m_surface->move(rulerThickness, rulerThickness);
    m_rowRuler = new ImageSurface(QStringLiteral("imageRowRuler"), m_contents);
    m_rowRuler->move(rulerThickness, 0);
    m_columnRuler = new ImageSurface(QStringLiteral("imageColRuler"), m_contents);
    m_columnRuler->move(0, rulerThickness);
    m_rotation = new QToolButton(m_contents);
    m_rotation->setObjectName(QStringLiteral("btnRotation"));
    m_rotation->setGeometry(0, 0, rulerThickness, rulerThickness);
    setWidget(m_contents);
}

void LabelViewPanel::resizeSurface(QSize size)
{
    m_surface->resetImage(size, Qt::white);
    m_surface->show();
    fitContents();
}

void LabelViewPanel::resizeRulers(int rowLength, int columnLength)
{
    m_rowRuler->resetImage({rowLength, rulerThickness}, rulerColour);
    m_columnRuler->resetImage({rulerThickness, columnLength}, rulerColour);
    fitContents();
}

// The scrolled area covers the surface and the rulers, whichever reaches further.
void LabelViewPanel::fitContents()
{
    const QRect covered = m_surface->geometry() | m_rowRuler->geometry() | m_columnRuler->geometry();
    m_contents->resize(covered.right() + 1, covered.bottom() + 1);
}
