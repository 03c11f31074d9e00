#include "dialogs/BoxForm.h"
#include "dialogs/CutBoxForms.h"
#include "model/LabelSettings.h"
#include "model/Tobject.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

BoxForm boxForm(const char* left, const char* top, const char* width, const char* height,
                const char* columns, const char* rows, const char* columnGap, const char* rowGap)
{
    BoxForm form;
    form.left = QString::fromLatin1(left);
    form.top = QString::fromLatin1(top);
    form.width = QString::fromLatin1(width);
    form.height = QString::fromLatin1(height);
    form.copies.columns = QString::fromLatin1(columns);
    form.copies.rows = QString::fromLatin1(rows);
    form.copies.columnGap = QString::fromLatin1(columnGap);
    form.copies.rowGap = QString::fromLatin1(rowGap);
    return form;
}

LabelSettings label(int width, int height)
{
    LabelSettings settings;
    settings.Width = width;
    settings.Height = height;
    return settings;
}

} // namespace

// One row per check, each row failing only the check it names, so a check moved ahead of
// another shows as a wrong message in the row after it.
TEST(BoxForm, ChecksRunInOrderAndTheFirstFailureIsTheMessage)
{
    const struct {
        BoxForm form;
        int labelWidth;
        const char* message;
    } cases[] = {
        {boxForm("0", "0", "10", "10", "1", "1", "2", "2"), 340, ""},
        {boxForm("-1", "-1", "0", "0", "1", "1", "-2", "-2"), 340, "横坐标必须大于0！"},
        // -0.05 mm is 0 tenths: a copy on the edge, accepted.
        {boxForm("-0.05", "-1", "0", "0", "1", "1", "-2", "-2"), 340, "纵坐标必须大于0！"},
        {boxForm("0", "0", "0", "0", "1", "1", "-2", "-2"), 340, "宽度必须大于0！"},
        {boxForm("0", "0", "10", "0.09", "1", "1", "-2", "-2"), 340, "高度必须大于0！"},
        {boxForm("0", "0", "10", "10", "1", "1", "-2", "-2"), 340, "水平间距必须大于等于0！"},
        {boxForm("0", "0", "10", "10", "0", "0", "0", "-2"), 340, "垂直间距必须大于等于0！"},
        {boxForm("0", "0", "10", "10", "0", "0", "0", "0"), 340, "行数必须大于0！"},
        {boxForm("0", "0", "10", "10", "-3", "1", "0", "0"), 340, "列数必须大于0！"},
        {boxForm("0", "0", "0.1", "0.1", "101", "100", "0", "0"), 99999, "复制的对象总数（行数×列数）不能超过10000个！"},
        {boxForm("0", "0", "0.1", "0.1", "100", "100", "0", "0"), 99999, ""},
        {boxForm("0", "0", "10", "10", "3", "1", "2.1", "0"), 340, "设置的横向距离大于标签宽度！"},
        {boxForm("0", "0", "10", "10", "1", "9", "0", "0"), 340, "设置的纵向距离大于标签高度！"},
        {boxForm("0", "0", "10", "x", "1", "1", "0", "0"), 340, "请输入正确的数据！"},
        {boxForm("0", "0", "10", "10", "2.5", "1", "0", "0"), 340, "请输入正确的数据！"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cutCircleProblem(c.form, label(c.labelWidth, 340)), QString::fromUtf8(c.message))
            << qPrintable(c.form.left) << " " << qPrintable(c.form.width) << " " << qPrintable(c.form.copies.columns);
    }
}

// Three 10 mm copies 2 mm apart fill a 34 mm label exactly: accepted where only running
// past the edge is refused, refused where reaching it is.
TEST(BoxForm, FitEdgeDecidesACopyEndingOnTheLabelEdge)
{
    const struct {
        FitEdge edge;
        int labelSize;
        bool refused;
    } cases[] = {
        {FitEdge::PastEdge, 340, false},
        {FitEdge::PastEdge, 339, true},
        {FitEdge::ReachingEdge, 340, true},
        {FitEdge::ReachingEdge, 341, false},
    };
    const BoxValues three{.left = 0, .top = 0, .width = 100, .height = 100, .columns = 3, .rows = 3,
                          .columnGap = 20, .rowGap = 20};
    for (const auto& c : cases) {
        const QString problem = fitProblem(three, c.edge, c.labelSize, c.labelSize);
        EXPECT_EQ(problem, c.refused ? widthFitMessage() : QString()) << c.labelSize;
        const BoxValues column{.left = 0, .top = 0, .width = 100, .height = 100, .columns = 1, .rows = 3,
                               .columnGap = 0, .rowGap = 20};
        EXPECT_EQ(fitProblem(column, c.edge, 9999, c.labelSize), c.refused ? heightFitMessage() : QString());
    }
}

TEST(BoxForm, FitSumsOfAbsurdValuesDoNotWrap)
{
    constexpr int most = std::numeric_limits<int>::max();
    const struct {
        int offset, count, size, gap;
        qint64 extent;
    } cases[] = {
        {0, 3, 100, 20, 340},
        {10, 1, 5, 99, 15}, // one copy: no gap
        {most, most, most, most, qint64(most) + 2 * qint64(most) * most - most},
        {0, 70000, 70000, 0, qint64(70000) * 70000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gridExtent(c.offset, c.count, c.size, c.gap), c.extent) << c.count;
}

TEST(BoxForm, RadiusIsCheckedAgainstHalfTheSmallerSide)
{
    const struct {
        int radius, width, height;
        const char* message;
    } cases[] = {
        {0, 100, 60, ""},
        {-1, 100, 60, "圆角必须大于0！"},
        {30, 100, 60, ""},
        {35, 100, 60, "圆角不能大于高度的一半！"},
        {30, 61, 100, ""}, // 61 div 2 = 30
        {31, 61, 100, "圆角不能大于宽度的一半！"},
        {50, 100, 100, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(radiusProblem(c.radius, c.width, c.height), QString::fromUtf8(c.message)) << c.radius;
}

TEST(BoxForm, OnlyACountOfOneDisablesItsGap)
{
    const struct {
        const char* count;
        std::optional<bool> gapEnabled;
    } cases[] = {{"1", false}, {" 1 ", false}, {"2", true}, {"0", true}, {"-4", true}, {"a", std::nullopt}, {"1.5", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(gapEnabledForCount(QString::fromLatin1(c.count)), c.gapEnabled) << c.count;
}

TEST(CutBoxForms, CirclesAreAddedRowByRowAtTheirGaps)
{
    Tobject document;
    document.objects.append(testing_support::placedShape(ShapeKind::CutRect, 0, 0, 10, 10));
    BoxForm form = boxForm("1", "2", "10", "5.5", "3", "2", "2", "1.5");
    addCutCircles(form, document);
    ASSERT_EQ(document.objects.size(), 7);
    EXPECT_EQ(document.undoList.size(), 1) << "the snapshot holds the label before the add";
    const int expected[][4] = {{10, 20, 110, 75}, {130, 20, 230, 75}, {250, 20, 350, 75},
                               {10, 90, 110, 145}, {130, 90, 230, 145}, {250, 90, 350, 145}};
    for (int i = 0; i < 6; ++i) {
        const Tshape& circle = document.objects[i + 1];
        EXPECT_EQ((QList<int>{circle.printLeft, circle.printTop, circle.printRight, circle.printBottom}),
                  (QList<int>{expected[i][0], expected[i][1], expected[i][2], expected[i][3]})) << i;
        EXPECT_TRUE(circle.Selected);
    }
}
