// Loading the plug-in at run time, as every host does: by path, entry points by name.
#include <gtest/gtest.h>

#include "host/common/plugin_loader.h"

TEST(PluginLoader, FindsTheEntryPointsOfTheBuiltLibraryAndUnloads) {
    std::string error;
    StatsPlugin plugin;
    ASSERT_TRUE(plugin.Load(STATS_PLUGIN_PATH, &error)) << error;
    EXPECT_NE(plugin.ResetStats0, nullptr);
    EXPECT_NE(plugin.AddData0, nullptr);
    EXPECT_NE(plugin.RemoveData0, nullptr);
    EXPECT_NE(plugin.GetResult0, nullptr);
    EXPECT_NE(plugin.setVersion, nullptr);
    ASSERT_NE(plugin.IsValidExchg0, nullptr);
    // A call through the loaded pointer reaches the plug-in.
    EXPECT_EQ(plugin.IsValidExchg0("599", "", "DL", "", 0, 0, 0), 0);
    plugin.Unload();
    EXPECT_FALSE(plugin.IsLoaded());
    EXPECT_EQ(plugin.GetResult0, nullptr);
}

TEST(PluginLoader, MissingLibraryIsAnError) {
    std::string error;
    StatsPlugin plugin;
    EXPECT_FALSE(plugin.Load("no-such-folder/no-such-plugin", &error));
    EXPECT_FALSE(plugin.IsLoaded());
    EXPECT_NE(error.find("cannot load the plug-in"), std::string::npos) << error;
}
