#include "model/Tshape.h"

#include <gtest/gtest.h>

TEST(Tshape, KindIsTheExactTypeText)
{
    struct Row {
        const char* type;
        ShapeKind kind;
        bool cut;
    };
    const Row rows[] = {
        {"cutRect", ShapeKind::CutRect, true},
        {"cutRoundRect", ShapeKind::CutRoundRect, true},
        {"cutArc", ShapeKind::CutArc, true},
        {"printString", ShapeKind::PrintString, false},
        {"printPdf417Bar", ShapeKind::PrintPdf417Bar, false},
        {"CutRect", ShapeKind::None, false}, // capital first letter: no kind, not the cut family
        {"printstring", ShapeKind::None, false},
        {"cutSomething", ShapeKind::None, true}, // unknown kind, still the cut family by prefix
        {"", ShapeKind::None, false},
    };
    for (const Row& row : rows) {
        Tshape shape;
        shape.Type = QString::fromLatin1(row.type);
        EXPECT_EQ(shape.kind(), row.kind) << row.type;
        EXPECT_EQ(shape.isCut(), row.cut) << row.type;
    }
}

TEST(Tshape, FreshRecordHasTheHeadDefaults)
{
    const Tshape shape = makeShape(ShapeKind::PrintRect);
    EXPECT_EQ(shape.Type, QStringLiteral("printRect"));
    EXPECT_FALSE(shape.Selected);
    EXPECT_TRUE(shape.Stretch);
    EXPECT_TRUE(shape.ifPrint);
    EXPECT_TRUE(shape.name.isEmpty());
}

TEST(Tshape, ObjectListTextPerKind)
{
    Tshape text = makeShape(ShapeKind::PrintString);
    text.str = QStringLiteral("批号");
    EXPECT_EQ(objectListText(text), QStringLiteral("字符 批号"));
    EXPECT_EQ(objectListText(makeShape(ShapeKind::CutRect)), QStringLiteral("雕刻矩形"));
    EXPECT_EQ(objectListText(makeShape(ShapeKind::CutRoundRect)), QStringLiteral("雕刻矩形"));
    EXPECT_EQ(objectListText(makeShape(ShapeKind::PrintDataMatrix)), QStringLiteral("打印DM二维码"));
    Tshape unknown;
    unknown.Type = QStringLiteral("printCircle");
    EXPECT_TRUE(objectListText(unknown).isEmpty());
}

TEST(Tshape, LineStartCorner)
{
    EXPECT_EQ(lineStartCorner(0, 0, 10, 10), 0);
    EXPECT_EQ(lineStartCorner(10, 0, 0, 10), 1);
    EXPECT_EQ(lineStartCorner(10, 10, 0, 0), 2);
    EXPECT_EQ(lineStartCorner(0, 10, 10, 0), 3);
    EXPECT_EQ(lineStartCorner(5, 5, 5, 5), 0); // a point starts top-left
}

TEST(Tshape, AnchoredKinds)
{
    EXPECT_TRUE(makeShape(ShapeKind::PrintString).isAnchored());
    EXPECT_TRUE(makeShape(ShapeKind::PrintQRBar).isAnchored());
    EXPECT_FALSE(makeShape(ShapeKind::PrintImage).isAnchored());
    EXPECT_FALSE(makeShape(ShapeKind::CutArc).isAnchored());
}
