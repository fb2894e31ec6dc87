// Loading the plug-in at run time, as the scorer does: by path, entry points by name.
#include <gtest/gtest.h>

#include "host/score/plugin_loader.h"

TEST(PluginLoader, FindsTheEntryPointsOfTheBuiltLibrary) {
    std::string error;
    const auto plugin = PluginLibrary::Open(STATS_PLUGIN_PATH, &error);
    ASSERT_TRUE(plugin) << error;
    const PluginEntryPoints& entry = plugin->EntryPoints();
    EXPECT_NE(entry.resetStats, nullptr);
    EXPECT_NE(entry.addData, nullptr);
    EXPECT_NE(entry.getResult, nullptr);
    EXPECT_NE(entry.setVersion, nullptr);
    ASSERT_NE(entry.isValidExchange, nullptr);
    // A call through the loaded pointer reaches the plug-in.
    EXPECT_EQ(entry.isValidExchange("599", "", "DL", "", 0, 0, 0), 0);
}

TEST(PluginLoader, MissingLibraryIsAnError) {
    std::string error;
    const auto plugin = PluginLibrary::Open("no-such-folder/no-such-plugin", &error);
    EXPECT_FALSE(plugin);
    EXPECT_NE(error.find("cannot load the plug-in"), std::string::npos) << error;
}
