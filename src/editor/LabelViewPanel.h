#pragma once

#include <QImage>
#include <QScrollArea>
#include <QWidget>

class QToolButton;

// A widget that shows one image at its own size: the label surface and the two rulers.
// The label renderer paints into image(); the widget only puts it on the screen.
class ImageSurface : public QWidget {
    Q_OBJECT
public:
    explicit ImageSurface(const QString& name, QWidget* parent = nullptr);

    QImage& image() { return m_image; }
    // A fresh image of the given size, filled with one colour; the widget takes its size.
    void resetImage(QSize size, const QColor& fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

// The label view: a grey scroll area holding the label surface at (20, 20), the
// millimetre rulers along its top and left edges and the rotation button in the corner.
class LabelViewPanel : public QScrollArea {
    Q_OBJECT
public:
    static constexpr int rulerThickness = 20;

    explicit LabelViewPanel(QWidget* parent = nullptr);

    ImageSurface* surface() const { return m_surface; }
    ImageSurface* rowRuler() const { return m_rowRuler; }
    ImageSurface* columnRuler() const { return m_columnRuler; }
    QToolButton* rotationButton() const { return m_rotation; }

    // The label surface at a new pixel size, painted white.
    void resizeSurface(QSize size);
    // Rulers of the given lengths (pixels), painted in their background colour.
    void resizeRulers(int rowLength, int columnLength);

private:
    void fitContents();

    QWidget* m_contents = nullptr;
    ImageSurface* m_surface = nullptr;
    ImageSurface* m_rowRuler = nullptr;
    ImageSurface* m_columnRuler = nullptr;
    QToolButton* m_rotation = nullptr;
};
