#include "dialogs/LabelSetup.h"

#include "model/ConversionError.h"
#include "model/Convert.h"
#include "model/LabelSettings.h"
#include "model/NumberFormat.h"
#include "model/Tobject.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

class LabelSetupText {
    Q_DECLARE_TR_FUNCTIONS(Tf_labelset)
};

struct Background {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

Background backgroundOf(const LabelSetupForm& form)
{
    return {strToInt(form.bgX), strToInt(form.bgY), strToInt(form.bgWidth), strToInt(form.bgHeight)};
}

} // namespace

void fillLabelSetupForm(LabelSetupForm& form, const LabelSettings& settings)
{
    form.width = millimetreText(settings.Width);
    form.height = millimetreText(settings.Height);
    form.landscape = settings.Rotation == 3;
    form.useBackground = !settings.BGFile.isEmpty();
    if (form.useBackground) {
        form.bgFile = settings.BGFile;
        form.bgX = QString::number(settings.BGX);
        form.bgY = QString::number(settings.BGY);
        form.bgWidth = QString::number(settings.BGWidth);
        form.bgHeight = QString::number(settings.BGHeight);
    } else {
        form.bgFile.clear();
    }
    form.lock = settings.labelLock != 0;
}

QString labelSetupProblem(const LabelSetupForm& form)
{
    try {
        // A size below a tenth of a millimetre would be stored as 0 and leave a label the
        // view cannot fit, so it counts as zero here.
        if (tenthsOfMillimetre(form.width) <= 0)
            return LabelSetupText::tr("宽度必须大于0！");
        if (tenthsOfMillimetre(form.height) <= 0)
            return LabelSetupText::tr("高度必须大于0！");
        // Checked before the dialog closes so that a mistyped background field cannot end
        // the setup half applied.
        if (form.useBackground)
            backgroundOf(form);
    } catch (const ConversionError&) {
        return LabelSetupText::tr("请输入正确的数据！");
    }
    return {};
}

LabelSize applyLabelSetup(const LabelSetupForm& form, LabelSettings& settings, Tobject& document)
{
    const LabelSize size{tenthsOfMillimetre(form.width), tenthsOfMillimetre(form.height),
                         form.landscape ? 3 : 0};
    const Background background = form.useBackground ? backgroundOf(form) : Background{};

    settings.labelLock = document.labelLock = form.lock ? 1 : 0;
    settings.BGFile = document.bgFile = form.useBackground ? form.bgFile : QString();
    settings.BGX = document.bgX = background.x;
    settings.BGY = document.bgY = background.y;
    settings.BGWidth = document.bgWidth = background.width;
    settings.BGHeight = document.bgHeight = background.height;
    return size;
}

bool hasBitmapExtension(const QString& fileName)
{
    return QFileInfo(fileName).fileName().endsWith(QStringLiteral(".bmp"), Qt::CaseSensitive);
}
