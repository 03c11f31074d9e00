#include "dialogs/LineForms.h"
#include "dialogs/PrintBoxForms.h"
#include "dialogs/RoundRectForms.h"
#include "model/ConversionError.h"
#include "model/LabelSettings.h"
#include "model/MessageService.h"
#include "model/Tobject.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

LabelSettings label34()
{
    LabelSettings settings;
    settings.Width = 340;
    settings.Height = 340;
    return settings;
}

// Three 10 mm copies 2 mm apart in each direction: 340 tenths, the label's size exactly.
BoxForm threeByThree()
{
    BoxForm form;
    form.left = form.top = QStringLiteral("0");
    form.width = form.height = QStringLiteral("10");
    form.copies.columns = form.copies.rows = QStringLiteral("3");
    form.copies.columnGap = form.copies.rowGap = QStringLiteral("2");
    return form;
}

RoundedBoxForm rounded(BoxForm box, const char* radius)
{
    return {std::move(box), QString::fromLatin1(radius)};
}

PrintRectForm printRect(BoxForm box, const char* radius, const char* lineWidth, bool solid)
{
    return {std::move(box), QString::fromLatin1(radius), QString::fromLatin1(lineWidth), solid};
}

BoxForm with(BoxForm form, const std::function<void(BoxForm&)>& change)
{
    change(form);
    return form;
}

} // namespace

TEST(ObjectForms, EachBoxDialogChecksInItsOrderAndFitsByItsEdge)
{
    const LabelSettings label = label34();
    const BoxForm halfHigh = with(threeByThree(), [](BoxForm& f) {
        f.height = QStringLiteral("6");
        f.copies.columns = f.copies.rows = QStringLiteral("1");
    });
    const struct {
        const char* name;
        QString problem;
        const char* message;
    } rows[] = {
        {"circles filling the label", cutCircleProblem(threeByThree(), label), ""},
        {"half circles reaching the edge", cutHalfCircleProblem(rounded(threeByThree(), "2"), label), "设置的横向距离大于标签宽度！"},
        {"rectangles filling the label", cutRectProblem(rounded(threeByThree(), "2"), label), ""},
        {"half circle: radius past half the height", cutHalfCircleProblem(rounded(halfHigh, "3.5"), label), "圆角不能大于高度的一半！"},
        {"half circle: radius half the height", cutHalfCircleProblem(rounded(halfHigh, "3"), label), ""},
        {"half circle: radius before the fit", cutHalfCircleProblem(rounded(threeByThree(), "-1"), label), "圆角必须大于0！"},
        {"half circle: radius no number", cutHalfCircleProblem(rounded(halfHigh, "3,5"), label), "请输入正确的数据！"},
        {"cut picture: file first", cutImageProblem({with(threeByThree(), [](BoxForm& f) { f.left = "x"; }), {}}, label), "文件名不能为空！"},
        {"cut picture filling the label", cutImageProblem({threeByThree(), QStringLiteral("a.bmp")}, label), ""},
        {"printed picture reaching the edge", printImageProblem({threeByThree(), QStringLiteral("a.bmp")}, label), "设置的横向距离大于标签宽度！"},
        {"printed picture: file first", printImageProblem({threeByThree(), {}}, label), "文件名不能为空！"},
        {"printed rectangles reaching the edge", printRectProblem(printRect(threeByThree(), "2", "0.3", false), label), "设置的横向距离大于标签宽度！"},
        // The printed rectangle checks the position as typed: -0.05 mm is refused.
        {"printed rectangle left of the label", printRectProblem(printRect(with(threeByThree(), [](BoxForm& f) { f.left = "-0.05"; }), "2", "0.3", false), label), "横坐标必须大于0！"},
        {"printed rectangle: no rows", printRectProblem(printRect(with(threeByThree(), [](BoxForm& f) { f.copies.rows = "0"; }), "-1", "0", false), label), "行数必须大于0！"},
        {"printed rectangle: no columns", printRectProblem(printRect(with(threeByThree(), [](BoxForm& f) { f.copies.columns = "0"; }), "-1", "0", false), label), "列数必须大于0！"},
        {"printed rectangle: negative radius", printRectProblem(printRect(halfHigh, "-1", "0.1", false), label), "圆角必须大于0！"},
        {"printed rectangle: 0.1 mm line", printRectProblem(printRect(halfHigh, "3.5", "0.1", false), label), "线宽必须在0.1-0.9之间！"},
        {"printed rectangle: 0.9 mm line", printRectProblem(printRect(halfHigh, "3", "0.9", false), label), ""},
        {"printed rectangle: radius past half", printRectProblem(printRect(halfHigh, "3.5", "0.9", false), label), "圆角不能大于高度的一半！"},
        {"solid rectangle: no frame checks", printRectProblem(printRect(halfHigh, "-1", "5", true), label), ""},
        {"solid rectangle: a line width that is no number", printRectProblem(printRect(halfHigh, "1", "abc", true), label), "请输入正确的数据！"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.problem, QString::fromUtf8(row.message)) << row.name;
}

TEST(ObjectForms, LineAndArcChecks)
{
    const LabelSettings label = label34();
    const auto printLine = [&](const char* x1, const char* y1, const char* x2, const char* y2, const char* width) {
        return printLineProblem({x1, y1, x2, y2, width}, label);
    };
    const auto arc = [](const char* start, const char* end, const char* radius = "10") {
        CutArcForm form;
        form.startAngle = QString::fromLatin1(start);
        form.endAngle = QString::fromLatin1(end);
        form.radius = QString::fromLatin1(radius);
        return cutArcProblem(form);
    };
    CutLineForm badLine;
    badLine.endY = QStringLiteral("1O");
    const struct {
        const char* name;
        QString problem;
        const char* message;
    } rows[] = {
        {"line on the label's edges", printLine("0", "0", "34", "34", "0.1"), ""},
        {"start left of the label", printLine("-0.1", "-1", "-1", "-1", "0"), "起点X必须大于0并小于标签宽度！"},
        {"start below the label", printLine("34", "34.1", "-1", "-1", "0"), "起点Y必须大于0并小于标签高度！"},
        {"end right of the label", printLine("0", "0", "34.1", "-1", "0"), "终点X必须大于0并小于标签宽度！"},
        {"end above the label", printLine("0", "0", "0", "-1", "0"), "终点Y必须大于0并小于标签高度！"},
        {"thin line", printLine("0", "0", "1", "1", "0.09"), "线宽必须大于等于0.1！"},
        {"thick line", printLine("0", "0", "1", "1", "0.91"), "线宽必须小于等于0.9！"},
        {"line width no number", printLine("99", "0", "1", "1", "abc"), "请输入正确的数据！"},
        {"arc 0 to 90", arc("0", "90"), ""},
        {"arc 90 to 90", arc("90", "90"), "弧结束角度必须大于开始角度！"},
        {"arc 270 to 90", arc("270", "90"), "弧结束角度必须大于开始角度！"},
        {"arc radius no number", arc("270", "90", "r"), "请输入正确的数据！"},
        {"cut line end no number", cutLineProblem(badLine), "请输入正确的数据！"},
        {"cut line", cutLineProblem(CutLineForm{}), ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.problem, QString::fromUtf8(row.message)) << row.name;
}

TEST(ObjectForms, LengthAndAngleGiveTheLineEnd)
{
    const struct {
        const char* startX;
        const char* length;
        const char* angle;
        const char* endX;
        const char* endY;
    } rows[] = {
        {"0", "20", "90", "0.0", "20.0"}, // 90 degrees points down the label
        {"5", "10", "0", "15.0", "0.0"},
        {"0", "10", "270", "0.0", "-10.0"},
        {"0", "10", "45", "7.1", "7.1"},
        {"0", "x", "45", "7", "8"}, // still being typed: the end stays
    };
    for (const auto& row : rows) {
        CutLineForm form;
        form.startX = QString::fromLatin1(row.startX);
        form.length = QString::fromLatin1(row.length);
        form.angle = QString::fromLatin1(row.angle);
        form.endX = QStringLiteral("7");
        form.endY = QStringLiteral("8");
        placeEndByPolar(form);
        EXPECT_EQ(form.endX, QString::fromLatin1(row.endX)) << row.length << "@" << row.angle;
        EXPECT_EQ(form.endY, QString::fromLatin1(row.endY)) << row.length << "@" << row.angle;
    }
}

// A field that is no number stops the add before the undo snapshot: the label and its
// previous undo point stay as they were.
TEST(ObjectForms, ANumberThatDoesNotConvertChangesNothing)
{
    CutLineForm line;
    line.endY = QStringLiteral("1O");
    CutArcForm arc;
    arc.radius = QStringLiteral("ten");
    BoxForm circles = threeByThree();
    circles.copies.rowGap = QStringLiteral("2..");
    SegmentedRectForm roundRect = roundRectFormDefaults();
    roundRect.delayms = QStringLiteral("1.5");
    const struct {
        const char* name;
        std::function<void(Tobject&)> add;
    } rows[] = {
        {"cut line", [&](Tobject& d) { addCutLine(line, d); }},
        {"cut arc", [&](Tobject& d) { addCutArc(arc, d); }},
        {"circles", [&](Tobject& d) { addCutCircles(circles, d); }},
        {"printed rectangle", [&](Tobject& d) { addPrintRects(printRect(threeByThree(), "2", "0,3", false), d); }},
        {"rounded rectangle", [&](Tobject& d) { addCutRoundRect(roundRect, d); }},
    };
    for (const auto& row : rows) {
        Tobject document;
        document.objects.append(testing_support::placedShape(ShapeKind::CutRect, 0, 0, 10, 10));
        document.TakeSnapshot();
        document.objects.append(testing_support::placedShape(ShapeKind::CutCircle, 0, 0, 10, 10));
        EXPECT_THROW(row.add(document), ConversionError) << row.name;
        EXPECT_EQ(document.objects.size(), 2) << row.name;
        EXPECT_EQ(document.undoList.size(), 1) << row.name << ": the previous undo point is kept";
        EXPECT_FALSE(document.modified) << row.name;
    }
}

TEST(ObjectForms, RoundedRectangleCommandsAddOneObjectOrTheChain)
{
    RecordingMessageService messages;
    Tobject document;
    addCutRoundRect(roundRectFormDefaults(), document);
    ASSERT_EQ(document.objects.size(), 1);
    const Tshape& rect = document.objects[0];
    EXPECT_EQ(rect.Type, QStringLiteral("cutRoundRect"));
    EXPECT_EQ((QList<int>{rect.printLeft, rect.printTop, rect.printRight, rect.printBottom, rect.printR,
                          rect.gapPos, rect.direction, rect.delayms}),
              (QList<int>{200, 50, 500, 350, 20, 1, 0, 0}));
    EXPECT_EQ((QList<float>{rect.gapDistance, rect.gapLenth, rect.gapOffset}), (QList<float>{150, 20, 0}));

    SegmentedRectForm bottom = roundRectFormDefaults();
    bottom.side = RectSide::Bottom;
    bottom.downLine = QStringLiteral("12.5");
    addCutRoundRect(bottom, document);
    EXPECT_EQ(document.objects[1].gapPos, 2);
    EXPECT_EQ(document.objects[1].gapDistance, 125);

    addSegmentedRectChain(roundRectFormDefaults(), document);
    EXPECT_EQ(document.objects.size(), 2 + 9) << "five lines and four corner arcs";
    EXPECT_EQ(document.undoList.size(), 2) << "the chain is one undo step";
    EXPECT_TRUE(messages.messages.isEmpty());
}
