#include "view/SymbolCache.h"
#include "view/SymbolRequests.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

SymbolRequest baseRequest()
{
    SymbolRequest request = linearRequest(QStringLiteral("CODE128(with auto code)"), 4, QStringLiteral("A1"));
    request.height = 100;
    return request;
}

} // namespace

TEST(SymbolCache, AnUnchangedRequestIsEncodedOnce)
{
    SymbolCache cache;
    const BarcodeSymbol first = cache.symbol(baseRequest());
    const BarcodeSymbol second = cache.symbol(baseRequest());
    EXPECT_EQ(cache.encodeCount(), 1);
    EXPECT_EQ(second.width, first.width);
    EXPECT_EQ(second.image, first.image);
}

// Each input that shapes a symbol must be part of the key, or a changed object would be
// drawn from the symbol of its earlier state.
TEST(SymbolCache, EveryInputIsPartOfTheKey)
{
    const std::function<void(SymbolRequest&)> changes[] = {
        [](SymbolRequest& r) { r.symbology = symbology::Code93; },
        [](SymbolRequest& r) { r.height = 50; },
        [](SymbolRequest& r) { r.scale = 0.315f; },
        [](SymbolRequest& r) { r.option1 = 2; },
        [](SymbolRequest& r) { r.option2 = 3; },
        [](SymbolRequest& r) { r.option3 = 100; },
        [](SymbolRequest& r) { r.showHrt = 0; },
        [](SymbolRequest& r) { r.rotation = 90; },
        [](SymbolRequest& r) { r.data = "A2"; },
    };
    int index = 0;
    for (const auto& change : changes) {
        SymbolCache cache;
        cache.symbol(baseRequest());
        SymbolRequest changed = baseRequest();
        change(changed);
        cache.symbol(changed);
        EXPECT_EQ(cache.encodeCount(), 2) << "change " << index;
        ++index;
    }
}

TEST(SymbolCache, ValuesThatCannotBeEncodedAreRememberedToo)
{
    SymbolCache cache;
    const SymbolRequest request = linearRequest(QStringLiteral("EAN13"), 2, QStringLiteral("not digits"));
    EXPECT_TRUE(cache.symbol(request).isEmpty());
    EXPECT_TRUE(cache.symbol(request).isEmpty());
    EXPECT_EQ(cache.encodeCount(), 1);
}

TEST(SymbolCache, ClearForgetsEverySymbol)
{
    SymbolCache cache;
    cache.symbol(baseRequest());
    cache.clear();
    EXPECT_EQ(cache.encodeCount(), 0);
    cache.symbol(baseRequest());
    EXPECT_EQ(cache.encodeCount(), 1);
}

TEST(SymbolCache, ASymbolLargerThanTheCacheIsStillReturned)
{
    SymbolCache tiny(1);
    SymbolRequest request = baseRequest();
    request.height = 2000;
    EXPECT_FALSE(tiny.symbol(request).isEmpty());
}
