// The table that leads from a handler's form name to the function that does the work.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/handler_names.h"
#include "tracking/refresh.h"

namespace {

TEST(HandlerNames, EveryFormNameLeadsToItsOwnHandler) {
    std::set<std::string> names;
    std::set<void (*)(folvaric::Form1&)> handlers;
    for (std::size_t i = 0; i < folvaric::kFormHandlerCount; ++i) {
        const folvaric::FormHandler& h = folvaric::kFormHandlers[i];
        EXPECT_TRUE(names.insert(h.formName).second) << h.formName << " is listed twice";
        EXPECT_NE(h.run, nullptr) << h.formName;
        handlers.insert(h.run);
    }
    // Two form names pointing at one function would mean an entry copied and not changed.
    EXPECT_EQ(handlers.size(), folvaric::kFormHandlerCount);
    ASSERT_NE(folvaric::findFormHandler("suaxinClick"), nullptr);
    EXPECT_EQ(folvaric::findFormHandler("suaxinClick")->run, &folvaric::refreshFolderList);
    EXPECT_EQ(folvaric::findFormHandler("noSuchClick"), nullptr);
}

}  // namespace
