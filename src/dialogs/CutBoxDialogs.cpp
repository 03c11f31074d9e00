#include "dialogs/CutBoxDialogs.h"

#include "dialogs/CutBoxForms.h"
#include "model/LabelSettings.h"

TfrmCutCircle::TfrmCutCircle(QWidget* parent)
    : BoxDialog(QStringLiteral("frmCutCircle"), tr("刻圆"), parent)
{
    finish();
    showForm(BoxForm{});
}

QString TfrmCutCircle::problem()
{
    return cutCircleProblem(form(), labelSettings());
}
