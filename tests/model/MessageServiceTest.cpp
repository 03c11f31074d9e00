#include "data/DataSourceError.h"
#include "model/ConversionError.h"
#include "model/MessageService.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <functional>
#include <new>

// A window's command that fails must end with the standard error box and leave the program
// running: nothing may unwind through the event loop.
TEST(MessageService, GuardedCommandsShowTheirFailureInTheStandardErrorBox)
{
    const struct {
        const char* name;
        std::function<void()> command;
        const char16_t* shown; // null: no message
    } cases[] = {
        {"runs to its end", [] {}, nullptr},
        {"text that is no number", [] { throw ConversionError(QStringLiteral("'x' is not a number")); },
         u"'x' is not a number"},
        {"a workbook that cannot be read", [] { throw DataSourceError(QStringLiteral("找不到工作表“价目”。")); },
         u"找不到工作表“价目”。"},
        {"memory ran out", [] { throw std::bad_alloc(); }, u"std::bad_alloc"},
    };
    for (const auto& c : cases) {
        RecordingMessageService messages;
        guarded(c.command)();
        if (!c.shown) {
            EXPECT_TRUE(messages.messages.isEmpty()) << c.name;
            continue;
        }
        ASSERT_EQ(messages.messages.size(), 1) << c.name;
        EXPECT_EQ(messages.messages[0].text, QString::fromUtf16(c.shown)) << c.name;
        EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error) << c.name;
        EXPECT_EQ(messages.messages[0].caption, QCoreApplication::applicationName()) << c.name;
    }
}
