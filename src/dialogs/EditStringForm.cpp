#include "dialogs/EditStringForm.h"

#include "model/AnchoredBox.h"
#include "model/Convert.h"
#include "model/NumberFormat.h"
#include "model/Tobject.h"
#include "view/TextObjects.h"

#include <QCoreApplication>

namespace {

class EditStringText {
    Q_DECLARE_TR_FUNCTIONS(TfrmEditString)
};

} // namespace

void fillEditStringForm(EditStringForm& form, const Tobject& document)
{
    for (const Tshape& shape : document.objects) {
        if (!shape.Selected || shape.kind() != ShapeKind::PrintString)
            continue;
        form.direction = anchoredDirection(shape.direction);
        form.sampleText = shape.str;
        form.font = {shape.fontName,     shape.printSize,        shape.bold != 0,
                     shape.italic != 0,  shape.underLine != 0,   shape.strikeOut != 0};
        form.strGap = fixedDecimals(shape.strGap, 3);
        return;
    }
}

QString editStringProblem(const EditStringForm& form)
{
    return typedNumber(form.strGap) ? QString() : EditStringText::tr("字间距必须输入数值！");
}

void applyEditString(const EditStringForm& form, Tobject& document, const QPaintDevice& surface)
{
    const double gap = strToFloat(form.strGap);
    const int charExtra = truncToInt(gap * document.dpi / 25.4);
    const FontSample& font = form.font;
    document.TakeSnapshot();
    for (Tshape& text : document.objects) {
        if (!text.Selected || text.kind() != ShapeKind::PrintString)
            continue;
        text.direction = form.direction;
        text.fontName = font.name;
        text.fontSize = static_cast<float>(static_cast<double>(font.size) * document.zoom);
        text.printSize = font.size;
        text.bold = font.bold ? 1 : 0;
        text.italic = font.italic ? 1 : 0;
        text.underLine = font.underLine ? 1 : 0;
        text.strikeOut = font.strikeOut ? 1 : 0;
        text.strGap = static_cast<float>(gap);
        const QSize extent = measureTextExtent(text.str, text.fontName, truncToInt(text.fontSize), charExtra, surface);
        setAnchoredBox(text, document.ToPixels(text.printLeft), document.ToPixels(text.printTop),
                       truncToInt(static_cast<long double>(text.widthFactor) * extent.width()),
                       truncToInt(static_cast<long double>(text.heightFactor) * extent.height()));
    }
    document.modified = true;
}
