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

TfrmCutHalfCircle::TfrmCutHalfCircle(QWidget* parent)
    : RoundedBoxDialog(QStringLiteral("frmCutHalfCircle"), tr("刻半圆"), parent)
{
}

QString TfrmCutHalfCircle::problem()
{
    return cutHalfCircleProblem(form(), labelSettings());
}

TfrmCutRect::TfrmCutRect(QWidget* parent)
    : RoundedBoxDialog(QStringLiteral("frmCutRect"), tr("刻方"), parent)
{
}

QString TfrmCutRect::problem()
{
    return cutRectProblem(form(), labelSettings());
}

TfrmCutImage::TfrmCutImage(QWidget* parent)
    : PictureBoxDialog(QStringLiteral("frmCutImage"), tr("刻异形"), tr("bmp files (*.bmp)|*.bmp"), parent)
{
}

QString TfrmCutImage::problem()
{
    return cutImageProblem(form(), labelSettings());
}
