#include "dialogs/MatrixCodeForms.h"

#include "model/Convert.h"
#include "view/TobjectAnchoredAdd.h"

#include <QCoreApplication>

namespace {

class MatrixCodeText {
    Q_DECLARE_TR_FUNCTIONS(MatrixCodeForms)
};

// Whole numbers first to last, each written with at least digits digits.
QStringList numberEntries(int first, int last, int digits = 1)
{
    QStringList entries;
    for (int number = first; number <= last; ++number)
        entries.append(QStringLiteral("%1").arg(number, digits, 10, QLatin1Char('0')));
    return entries;
}

QString valueProblem(const QString& value)
{
    return value.isEmpty() ? MatrixCodeText::tr("条码字符不能为空！") : QString();
}

// The module lists end with an empty entry, and the Data Matrix list starts at "0": a
// module of no dots draws no symbol, so it is refused like the empty entry.
QString moduleProblem(const QString& barWidth)
{
    const std::optional<int> dots = typedInteger(barWidth);
    return !dots || *dots < 1 ? MatrixCodeText::tr("条码宽度不能为空！") : QString();
}

QString firstProblem(std::initializer_list<QString> problems)
{
    for (const QString& problem : problems) {
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

} // namespace

QStringList qrModuleEntries()
{
    return numberEntries(1, 52) << QString();
}

QStringList dataMatrixModuleEntries()
{
    return numberEntries(0, 52) << QString();
}

QStringList qrLevelEntries()
{
    return {MatrixCodeText::tr("高密度级"), MatrixCodeText::tr("标准级"), MatrixCodeText::tr("可靠级"),
            MatrixCodeText::tr("高可靠级")};
}

QStringList pdf417WidthEntries()
{
    return numberEntries(1, 10, 2);
}

QStringList pdf417HeightEntries()
{
    return numberEntries(1, 100);
}

QStringList pdf417ColumnEntries()
{
    return numberEntries(1, 30, 2);
}

QStringList pdf417LevelEntries()
{
    return numberEntries(0, 8, 2);
}

QString printQRBarProblem(const PrintQRBarForm& form)
{
    return firstProblem({valueProblem(form.barValue), moduleProblem(form.barWidth),
                         symbolPositionProblem(form.left, form.top)});
}

QString printDataMatrixProblem(const PrintDataMatrixForm& form)
{
    return firstProblem({valueProblem(form.barValue), moduleProblem(form.barWidth),
                         symbolPositionProblem(form.left, form.top)});
}

QString printPdf417BarProblem(const PrintPdf417BarForm& form)
{
    return firstProblem({valueProblem(form.barValue), symbolPositionProblem(form.left, form.top)});
}

void addPrintQRBar(const PrintQRBarForm& form, Tobject& document)
{
    const int left = tenthsOfMillimetre(form.left);
    const int top = tenthsOfMillimetre(form.top);
    AddPrintQRBar(document, form.name, left, top, form.direction, form.barLevel, strToInt(form.barWidth),
                  form.barValue, form.record.stored());
}

void addPrintDataMatrix(const PrintDataMatrixForm& form, Tobject& document)
{
    const int left = tenthsOfMillimetre(form.left);
    const int top = tenthsOfMillimetre(form.top);
    AddPrintDataMatrix(document, form.name, left, top, form.direction, strToInt(form.barWidth),
                       form.barValue, form.record.stored());
}

void addPrintPdf417Bar(const PrintPdf417BarForm& form, Tobject& document)
{
    const int left = tenthsOfMillimetre(form.left);
    const int top = tenthsOfMillimetre(form.top);
    AddPrintPdf417Bar(document, form.name, left, top, form.direction, form.barLevel, form.barWidth,
                      form.barValue, strToInt(form.barHeight), form.barColumn, form.record.stored());
}
